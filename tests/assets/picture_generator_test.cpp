// The generator draws the same pictures every time it runs, byte for byte.
#include "app/data_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(PictureGenerator, ASecondRunWritesTheSamePictures) {
    const QString program = QStringLiteral(VANTRAX_TEST_PROGRAM_DIR);
    const QString generator = program + QStringLiteral("/assets/vantrax-assets");
    ASSERT_TRUE(QFile::exists(generator));
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    run.setProcessEnvironment(env);
    run.start(generator, {out.path(), out.filePath(QStringLiteral("res"))});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();

    // The build ran the generator once already; its files are the first run.
    int compared = 0;
    for (const DataGroup& g : kDataGroups) {
        if (QByteArray(g.prefix) == "bData" || QByteArray(g.prefix) == "cData") continue;
        for (int n = 1; n <= g.count; ++n) {
            const QString name = DataFileName(g.prefix, n);
            const QByteArray first = read(QDir(program).filePath(name));
            ASSERT_FALSE(first.isEmpty()) << name.toStdString();
            EXPECT_TRUE(read(out.filePath(name)) == first) << name.toStdString();
            ++compared;
            if (!g.pictures) continue;
            const QString twin = HighDensityName(name);
            const QByteArray firstTwin = read(QDir(program).filePath(twin));
            ASSERT_FALSE(firstTwin.isEmpty()) << twin.toStdString();
            EXPECT_TRUE(read(out.filePath(twin)) == firstTwin) << twin.toStdString();
            ++compared;
        }
    }
    const QStringList builtIn = QDir(program + QStringLiteral("/res")).entryList({QStringLiteral("*.png")});
    EXPECT_GE(builtIn.size(), 162);
    for (const QString& name : builtIn) {
        const QByteArray first = read(program + QStringLiteral("/res/") + name);
        EXPECT_TRUE(read(out.filePath(QStringLiteral("res/") + name)) == first) << name.toStdString();
        ++compared;
    }
    EXPECT_GE(compared, 2 * 108 + 162);
}

}  // namespace
