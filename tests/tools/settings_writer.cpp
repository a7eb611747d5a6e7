// Writes the settings store in a loop, alternating two values, until killed.
// The atomicity test kills it at random moments and then reads the store.
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    host::SettingsStore store(QString::fromLocal8Bit(argv[1]));
    // A long value makes each write take long enough to be interrupted.
    const QString big = QString(4000, QLatin1Char('x'));
    std::printf("ready\n");
    std::fflush(stdout);
    for (long i = 0;; ++i) {
        const QString v = (i % 2 ? QStringLiteral("new") : QStringLiteral("old")) + big;
        store.save(QStringLiteral("NR_Vantra"), QStringLiteral("Data"), QStringLiteral("Data1"), v);
        store.save(QStringLiteral("NR_Vantra"), QStringLiteral("Option"), QStringLiteral("Mes"), QString::number(i % 2 ? 9 : 3));
    }
}
