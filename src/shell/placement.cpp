#include "shell/placement.h"

#include "app/options.h"
#include "app/state.h"
#include "platform/rounding.h"
#include "platform/settings_store.h"

#include <cmath>

namespace {
constexpr int kTwipsPerPixel = 15;

QString option(const char* key, const QString& def) {
    return host::GetSetting(kAppName, QStringLiteral("Option"), QLatin1String(key), def);
}
}  // namespace

int16_t WindowStateCode(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return kWinMinimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return kWinMaximized;
    return kWinNormal;
}

Qt::WindowStates WindowStatesFromCode(int16_t code) {
    switch (code) {
        case kWinNormal:
            return Qt::WindowNoState;
        case kWinMinimized:
            return Qt::WindowMinimized;
        default:
            return Qt::WindowMaximized;
    }
}

std::optional<int> PixelsFromTwips(const QString& text) {
    bool ok = false;
    const double twips = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(twips)) return std::nullopt;
    const double px = host::RoundHalfEven(twips / kTwipsPerPixel);
    // Far beyond any screen: a damaged entry, not a place to put a window.
    if (std::fabs(px) > 1'000'000) return std::nullopt;
    return static_cast<int>(px);
}

WindowPlacement ReadPlacement() {
    WindowPlacement p;
    // A hand-edited state outside 0..2, or one that is not a number, gives the
    // first-start placement instead of a window that cannot be shown.
    const auto state = ToInteger(option("WinSta", QStringLiteral("2")));
    p.state = state && *state >= kWinNormal && *state <= kWinMaximized ? *state : kWinMaximized;
    if (p.state != kWinNormal) return p;
    auto read = [](const char* key, int defTwips) {
        const QString def = QString::number(defTwips);
        return PixelsFromTwips(option(key, def)).value_or(*PixelsFromTwips(def));
    };
    p.geometry = QRect(read("WinLeft", 0), read("WinTop", 0), read("WinWidth", 640), read("WinHeight", 480));
    return p;
}

bool StorePlacement(const WindowPlacement& p) {
    host::SettingsBatch batch;
    auto saveOption = [&batch](const char* key, const QString& value) {
        batch.save(kAppName, QStringLiteral("Option"), QLatin1String(key), value);
    };
    saveOption("WinSta", QString::number(p.state));
    if (p.state == kWinNormal) {
        saveOption("WinLeft", QString::number(p.geometry.left() * kTwipsPerPixel));
        saveOption("WinTop", QString::number(p.geometry.top() * kTwipsPerPixel));
        saveOption("WinWidth", QString::number(p.geometry.width() * kTwipsPerPixel));
        saveOption("WinHeight", QString::number(p.geometry.height() * kTwipsPerPixel));
    }
    return host::SaveSettings(batch);
}
