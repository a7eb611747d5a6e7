#include "app/options.h"

#include "app/state.h"
#include "platform/rounding.h"
#include "platform/settings_store.h"

#include <cmath>

std::optional<int16_t> ToInteger(const QString& text) {
    bool ok = false;
    double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    double r = host::RoundHalfEven(v);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<int16_t>(r);
}

std::optional<bool> ToBoolean(const QString& text) {
    QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v != 0.0;
}

namespace {
QString option(const char* key, const QString& def) {
    return host::GetSetting(kAppName, QStringLiteral("Option"), QLatin1String(key), def);
}
}  // namespace

bool ReadOptions() {
    auto mes = ToInteger(option("Mes", QStringLiteral("15")));
    if (!mes) return false;
    MesTime = *mes;
    auto div = ToInteger(option("Div", QStringLiteral("0")));
    if (!div) return false;
    InputDevice = *div;
    auto bgm = ToBoolean(option("Bgm", BoolText(true)));
    if (!bgm) return false;
    MusicOn = *bgm;
    auto wav = ToBoolean(option("Wav", BoolText(true)));
    if (!wav) return false;
    SoundOn = *wav;
    static constexpr int16_t kDefaultKeys[6] = {83, 68, 90, 88, 67, 86};
    for (int i = 0; i < 6; ++i) {
        auto key =
            ToInteger(option(QStringLiteral("Key%1").arg(i).toLatin1().constData(), QString::number(kDefaultKeys[i])));
        if (!key) return false;
        PlayKeys[static_cast<size_t>(i)] = *key;
    }
    // Added long after the others: a store that cannot say it is simply off,
    // it does not make the settings count as damaged.
    KeyboardAccess = ToBoolean(option(kKeyboardAccessKey, BoolText(false))).value_or(false);
    return true;
}
