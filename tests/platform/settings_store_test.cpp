#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using host::SettingsStore;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("vantrax/settings.ini")); }
    SettingsStore store{path()};
    const QString app = QStringLiteral("NR_Vantra");
    const QString option = QStringLiteral("Option");
    const QString data = QStringLiteral("Data");
};

TEST_F(SettingsStoreTest, AnEmptyStoreGivesTheDefault) {
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes"), QStringLiteral("15")), QStringLiteral("15"));
    EXPECT_EQ(store.get(app, data, QStringLiteral("Data1")), QString());
    EXPECT_FALSE(store.damaged());
}

TEST_F(SettingsStoreTest, NamesAreCaseInsensitive) {
    ASSERT_TRUE(
        store.save(QStringLiteral("NR_Vantra"), QStringLiteral("Data"), QStringLiteral("PB"), QStringLiteral("abc")));
    EXPECT_EQ(store.get(QStringLiteral("Nr_Vantra"), QStringLiteral("data"), QStringLiteral("pb")),
              QStringLiteral("abc"));
    ASSERT_TRUE(
        store.save(QStringLiteral("nr_vantra"), QStringLiteral("DATA"), QStringLiteral("Pb"), QStringLiteral("xyz")));
    EXPECT_EQ(store.get(app, data, QStringLiteral("PB")), QStringLiteral("xyz"));
}

TEST_F(SettingsStoreTest, ValuesKeepEveryCharacter) {
    // The save-data codec uses ASCII punctuation and half-width katakana.
    const QString tricky = QStringLiteral(" =;#[]\\ ｱﾎｶﾞ\t\"'%&  日本語 ");
    ASSERT_TRUE(store.save(app, data, QStringLiteral("Data3"), tricky));
    EXPECT_EQ(SettingsStore(path()).get(app, data, QStringLiteral("Data3")), tricky);
}

TEST_F(SettingsStoreTest, KeyNamesThatLookLikeFileSyntaxStayReadable) {
    for (const char* key : {"=", "[Data]", ";note", "#hash", "a=b", " spaced "})
        ASSERT_TRUE(store.save(app, data, QString::fromUtf8(key), QStringLiteral("v"))) << key;
    EXPECT_FALSE(store.save(app, data, QString(), QStringLiteral("v"))) << "an entry needs a name";
    EXPECT_FALSE(store.damaged());
    for (const char* key : {"=", "[data]", ";NOTE", "#hash", "A=B", " spaced "})
        EXPECT_EQ(store.get(app, data, QString::fromUtf8(key)), QStringLiteral("v")) << key;
}

TEST_F(SettingsStoreTest, DeletingOneKeyOrAWholeSection) {
    store.save(app, option, QStringLiteral("Mes"), QStringLiteral("6"));
    store.save(app, option, QStringLiteral("Div"), QStringLiteral("1"));
    store.save(app, data, QStringLiteral("Data1"), QStringLiteral("slot"));
    ASSERT_TRUE(store.remove(app, option, QStringLiteral("MES")));
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes"), QStringLiteral("15")), QStringLiteral("15"));
    EXPECT_EQ(store.get(app, option, QStringLiteral("Div")), QStringLiteral("1"));
    ASSERT_TRUE(store.remove(app, option));
    EXPECT_EQ(store.get(app, option, QStringLiteral("Div"), QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(store.get(app, data, QStringLiteral("Data1")), QStringLiteral("slot"));
}

TEST_F(SettingsStoreTest, TwoStoresOnOneFileDoNotLoseEachOthersWrites) {
    SettingsStore other(path());
    store.save(app, option, QStringLiteral("Mes"), QStringLiteral("6"));
    other.save(app, option, QStringLiteral("Wav"), QStringLiteral("False"));
    store.save(app, data, QStringLiteral("Data2"), QStringLiteral("x"));
    EXPECT_EQ(other.get(app, option, QStringLiteral("Mes")), QStringLiteral("6"));
    EXPECT_EQ(store.get(app, option, QStringLiteral("Wav")), QStringLiteral("False"));
    EXPECT_EQ(other.get(app, data, QStringLiteral("Data2")), QStringLiteral("x"));
}

TEST_F(SettingsStoreTest, ADamagedFileIsReportedAndKeptBeforeTheFirstWrite) {
    QDir().mkpath(dir.filePath(QStringLiteral("vantrax")));
    const QByteArray garbage("\xff\xfe\x00garbage without structure\n", 27);
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    EXPECT_TRUE(store.damaged());
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes"), QStringLiteral("15")), QStringLiteral("15"));
    ASSERT_TRUE(store.remove(app, option));
    EXPECT_FALSE(store.damaged());
    QFile backup(path() + QStringLiteral(".damaged"));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), garbage);
}

TEST_F(SettingsStoreTest, AKillDuringAWriteLeavesTheOldOrTheNewContent) {
    const QString writer = QStringLiteral(VANTRAX_TEST_TOOLS_DIR "/settings_writer");
    ASSERT_TRUE(QFile::exists(writer));
    const QString big = QString(4000, QLatin1Char('x'));
    for (int round = 0; round < 25; ++round) {
        QProcess child;
        child.start(writer, {path()});
        ASSERT_TRUE(child.waitForStarted());
        ASSERT_TRUE(child.waitForReadyRead(10000));
        // Let it write for a varying moment, then kill it without warning.
        QProcess::execute(QStringLiteral("sleep"), {QString::number(0.005 * (round % 7 + 1))});
        child.kill();
        child.waitForFinished();
        ASSERT_FALSE(store.damaged()) << "round " << round;
        QString v = store.get(app, data, QStringLiteral("Data1"));
        EXPECT_TRUE(v.isEmpty() || v == QStringLiteral("old") + big || v == QStringLiteral("new") + big)
            << "round " << round;
        QString mes = store.get(app, option, QStringLiteral("Mes"), QStringLiteral("15"));
        EXPECT_TRUE(mes == QStringLiteral("3") || mes == QStringLiteral("9") || mes == QStringLiteral("15"))
            << qPrintable(mes);
    }
}

}  // namespace
