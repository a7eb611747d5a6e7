#include "app/screen_scale.h"

#include "app/state.h"
#include "platform/settings_store.h"

namespace {
const QString kOption = QStringLiteral("Option");
const QString kScaleKey = QStringLiteral("Scale");
}  // namespace

int16_t FitScalePercent(QSize client) {
    int16_t best = kScaleSteps.front();
    for (int16_t step : kScaleSteps) {
        // Whole pixels: a screen one pixel too large would lose its edge.
        if (kLargestScreen.width() * step <= client.width() * 100 &&
            kLargestScreen.height() * step <= client.height() * 100)
            best = step;
    }
    return best;
}

int16_t EffectiveScalePercent(int16_t choice, QSize client) {
    for (int16_t step : kScaleSteps)
        if (choice == step) return step;
    return FitScalePercent(client);
}

QString ScaleChoiceText(int16_t choice) {
    switch (choice) {
        case 100:
            return QStringLiteral("1");
        case 150:
            return QStringLiteral("1.5");
        case 200:
            return QStringLiteral("2");
        case 300:
            return QStringLiteral("3");
        default:
            return QStringLiteral("Fit");
    }
}

std::optional<int16_t> ParseScaleChoice(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("Fit"), Qt::CaseInsensitive) == 0) return kScaleFit;
    for (int16_t step : kScaleSteps)
        if (t == ScaleChoiceText(step)) return step;
    return std::nullopt;
}

void ReadScaleChoice() {
    ScreenScale =
        ParseScaleChoice(host::GetSetting(kAppName, kOption, kScaleKey, QStringLiteral("Fit"))).value_or(kScaleFit);
}

bool StoreScaleChoice() {
    return host::SaveSetting(kAppName, kOption, kScaleKey, ScaleChoiceText(ScreenScale));
}
