#!/usr/bin/env bash
# Makes the Debian package from this build, unpacks it into a temporary root
# and starts the game from there, headless: the installed files are where a
# desktop looks for them, the package names what the game needs, and a copy
# installed anywhere finds its data beside its program.
set -euo pipefail
build=${1:?build folder}
for tool in dpkg-deb cpack desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/deps installs it)"
    exit 77
  fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack could not make the package"; }
debs=("$tmp"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got: ${debs[*]}"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for need in libqt6widgets6 libqt6multimedia6 libfluidsynth3 sf2-soundfont-gm fonts-ipafont fonts-liberation; do
  re="[, |]$need[ ,(]"
  [[ ",$depends," =~ $re ]] || fail "Depends does not name $need"
done

root=$tmp/root
dpkg-deb -x "$deb" "$root"
id=org.nimbrel.Vantrax
for f in usr/bin/vantrax usr/share/vantrax/Vantra.hlp usr/share/vantrax/Data1._vx usr/share/vantrax/hData38._vx \
  usr/share/vantrax/Data4@2x._vx usr/share/vantrax/hData38@2x._vx \
  usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/$id.svg; do
  [ -s "$root/$f" ] || fail "the package lacks /$f"
done
for size in 16 22 24 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -s "$png" ] || fail "the package lacks the ${size} px icon"
  # Bytes 16-23 of a PNG are its width and height.
  dims=$(od -An -tu4 --endian=big -j16 -N8 "$png" | xargs)
  [ "$dims" = "$size $size" ] || fail "the ${size} px icon is $dims, not ${size} x ${size}"
done
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "the .desktop file does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo does not validate"

# Started from elsewhere, with a fresh settings folder, as a new player would.
mkdir -p "$tmp/config" "$tmp/elsewhere"
cd "$tmp/elsewhere"
set +e
HOME=$tmp XDG_CONFIG_HOME=$tmp/config QT_QPA_PLATFORM=offscreen VANTRAX_AUDIO=null VANTRAX_QUIT_AFTER_START=1 \
  timeout 30 "$root/usr/bin/vantrax" >"$tmp/game.out" 2>"$tmp/game.err"
rc=$?
set -e
cat "$tmp/game.out"
if [ $rc -ne 0 ] || ! grep -q '^window: ' "$tmp/game.out"; then
  cat "$tmp/game.err" >&2
  [ $rc -eq 124 ] && fail "the installed game did not reach its first window (it waited, probably at the integrity message)"
  fail "the installed game ended with status $rc before its first window"
fi
echo "the installed game started"
