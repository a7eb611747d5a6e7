// settings_write_ms: the median time of one SaveSetting, which re-reads the
// store under its lock and replaces the file atomically.
// settings_read_us: the median time of one GetSetting of an unchanged store,
// which looks at the file and answers from the last reading.
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    host::SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    // A store as full as a player's: options, placement, eight slots, two records.
    for (int i = 1; i <= 8; ++i)
        store.save(QStringLiteral("NR_Vantra"), QStringLiteral("Data"), QStringLiteral("Data%1").arg(i),
                   QString(17, QLatin1Char('k')));
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        store.save(QStringLiteral("NR_Vantra"), QStringLiteral("Option"), QStringLiteral("Mes"),
                   QString::number(3 * (i % 5 + 1)));
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::nth_element(ms.begin(), ms.begin() + static_cast<long>(ms.size() / 2), ms.end());
    std::printf("settings_write_ms %.3f ms\n", ms[ms.size() / 2]);
    std::vector<double> us;
    for (int i = 0; i < 2000; ++i) {
        QElapsedTimer t;
        t.start();
        store.get(QStringLiteral("NR_Vantra"), QStringLiteral("Data"), QStringLiteral("Data%1").arg(i % 8 + 1));
        us.push_back(static_cast<double>(t.nsecsElapsed()) / 1e3);
    }
    std::nth_element(us.begin(), us.begin() + static_cast<long>(us.size() / 2), us.end());
    std::printf("settings_read_us %.1f us\n", us[us.size() / 2]);
    return 0;
}
