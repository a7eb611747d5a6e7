// Writes the settings store in a loop until killed. The atomicity tests kill
// it at random moments and then read the store.
//   settings_writer <file>          alternates two values, one save at a time
//   settings_writer <file> options  alternates two whole sets of the ten
//                                   options, each set in one write as the
//                                   options window's OK makes it
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstring>

namespace {

const QString kApp = QStringLiteral("NR_Vantra");
const QString kOption = QStringLiteral("Option");

// Set n of the options: every value tells which set it came from.
host::SettingsBatch optionSet(int n) {
    host::SettingsBatch b;
    b.save(kApp, kOption, QStringLiteral("Mes"), n ? QStringLiteral("3") : QStringLiteral("12"));
    b.save(kApp, kOption, QStringLiteral("Div"), n ? QStringLiteral("1") : QStringLiteral("0"));
    b.save(kApp, kOption, QStringLiteral("Bgm"), n ? QStringLiteral("False") : QStringLiteral("True"));
    b.save(kApp, kOption, QStringLiteral("Wav"), n ? QStringLiteral("False") : QStringLiteral("True"));
    // Two orders of the same six keys: a mix of them holds a key twice.
    const int keys[2][6] = {{83, 68, 90, 88, 67, 86}, {68, 83, 88, 90, 86, 67}};
    for (int i = 0; i < 6; ++i) b.save(kApp, kOption, QStringLiteral("Key%1").arg(i), QString::number(keys[n][i]));
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    host::SettingsStore store(QString::fromLocal8Bit(argv[1]));
    const bool options = argc > 2 && std::strcmp(argv[2], "options") == 0;
    // A long value makes each write take long enough to be interrupted.
    const QString big = QString(4000, QLatin1Char('x'));
    std::printf("ready\n");
    std::fflush(stdout);
    for (long i = 0;; ++i) {
        if (options) {
            host::SettingsBatch b = optionSet(static_cast<int>(i % 2));
            b.save(kApp, QStringLiteral("Data"), QStringLiteral("Data1"), big);
            store.apply(b);
            continue;
        }
        const QString v = (i % 2 ? QStringLiteral("new") : QStringLiteral("old")) + big;
        store.save(kApp, QStringLiteral("Data"), QStringLiteral("Data1"), v);
        store.save(kApp, kOption, QStringLiteral("Mes"), QString::number(i % 2 ? 9 : 3));
    }
}
