// The generator writes the same sounds and music every time it runs.
#include "app/data_files.h"
#include "audio_files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

TEST(AudioGenerator, ASecondRunWritesTheSameSoundsAndMusic) {
    const QString generator = QStringLiteral(VANTRAX_TEST_PROGRAM_DIR "/assets/vantrax-assets");
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
    for (const char* prefix : {"bData", "cData"}) {
        const int count = QByteArray(prefix) == "bData" ? 15 : 19;
        for (int n = 1; n <= count; ++n) {
            const QString name = DataFileName(prefix, n);
            SCOPED_TRACE(name.toStdString());
            QFile again(out.filePath(name));
            ASSERT_TRUE(again.open(QIODevice::ReadOnly));
            const QByteArray first = ReadProgramFile(name);
            ASSERT_FALSE(first.isEmpty());
            EXPECT_TRUE(again.readAll() == first);
        }
    }
}

}  // namespace
