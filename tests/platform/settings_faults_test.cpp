// The settings store under what players and their systems do to it: files
// written by hand, things that are not files, folders that cannot be written,
// kills in the middle of a write and the leftovers they leave.
#include "platform/settings_file.h"
#include "platform/settings_store.h"
#include "support/full_disk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using host::SettingsBatch;
using host::SettingsStore;

namespace {

const QString app = QStringLiteral("NR_Vantra");
const QString option = QStringLiteral("Option");
const QString data = QStringLiteral("Data");

class SettingsFaults : public ::testing::Test {
public:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("vantrax/settings.ini")); }
    SettingsStore store{path()};

    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(dir.filePath(QStringLiteral("vantrax")));
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray fileBytes(const QString& p) const {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QStringList folderEntries() const {
        return QDir(dir.filePath(QStringLiteral("vantrax"))).entryList(QDir::Files | QDir::System | QDir::Hidden);
    }
};

TEST_F(SettingsFaults, AFileWrittenByHandIsReadAsAPersonMeantIt) {
    // One backslash in the section, as the help tells players to write it,
    // names in any case, blanks around the key, Windows line ends and a
    // byte-order mark; a backslash the store never writes stands for itself.
    writeFile(
        "\xEF\xBB\xBF; my settings\r\n"
        "[NR_Vantra\\Option]\r\n"
        "  SoundFont = /home/me/my.sf2\r\n"
        "Mes=6\r\n"
        "   # a note\r\n"
        "[nr_vantra\\data]\r\n"
        "Data1=a\\qb\\x12;c\\\r\n");
    EXPECT_FALSE(store.damaged()) << qPrintable(store.problem().text());
    EXPECT_EQ(store.get(app, option, QStringLiteral("soundfont")), QStringLiteral(" /home/me/my.sf2"));
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes")), QStringLiteral("6"));
    EXPECT_EQ(store.get(app, data, QStringLiteral("Data1")), QStringLiteral("a\\qb\\x12;c\\"));

    // The next write keeps all of it.
    ASSERT_TRUE(store.save(app, option, QStringLiteral("Div"), QStringLiteral("1")));
    SettingsStore again(path());
    EXPECT_EQ(again.get(app, option, QStringLiteral("soundfont")), QStringLiteral(" /home/me/my.sf2"));
    EXPECT_EQ(again.get(app, data, QStringLiteral("Data1")), QStringLiteral("a\\qb\\x12;c\\"));
    EXPECT_EQ(again.get(app, option, QStringLiteral("Div")), QStringLiteral("1"));
}

TEST_F(SettingsFaults, ALineThatCannotBeReadIsNamedWithItsNumber) {
    struct Case {
        const char* name;
        QByteArray text;
        int line;
        const char* shown;
    };
    const Case cases[] = {
        {"stray line", "[nr_vantra\\option]\nmes=3\nthis line is prose\n", 3, "this line is prose"},
        {"entry before any section", "; top\nmes=3\n[nr_vantra\\option]\n", 2, "mes=3"},
        {"section never closed", "[nr_vantra\\option]\n\n[nr_vantra\\data\n", 3, "[nr_vantra\\data"},
        {"entry without a name", "[nr_vantra\\option]\n =3\n", 2, "=3"},
        {"not UTF-8", "[nr_vantra\\option]\nmes=\xff\xfe\n", 2, "mes="},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(c.text);
        ASSERT_TRUE(store.damaged());
        const host::SettingsFailure p = store.problem();
        EXPECT_TRUE(p.what.contains(QStringLiteral("%1 行目").arg(c.line))) << qPrintable(p.text());
        EXPECT_TRUE(p.reason.contains(QString::fromUtf8(c.shown))) << qPrintable(p.text());
        EXPECT_EQ(p.path, QDir::toNativeSeparators(path()));
        // Reads give the defaults meanwhile.
        EXPECT_EQ(store.get(app, option, QStringLiteral("Mes"), QStringLiteral("15")), QStringLiteral("15"));
    }
}

TEST_F(SettingsFaults, HalfASurrogatePairSurvivesTheNextWrite) {
    const QString lone = QString(QChar(0xd800)) + QStringLiteral("x") + QChar(0xdc00);
    const QString pair = QStringLiteral("\U0001F0A1");  // a playing card, a whole pair
    ASSERT_TRUE(store.save(app, data, QStringLiteral("Data1"), lone));
    ASSERT_TRUE(store.save(app, data, QStringLiteral("Data2"), pair));
    ASSERT_TRUE(store.save(app, option, QStringLiteral("Mes"), QStringLiteral("6")));
    SettingsStore again(path());
    EXPECT_EQ(again.get(app, data, QStringLiteral("Data1")), lone);
    EXPECT_EQ(again.get(app, data, QStringLiteral("Data2")), pair);
    EXPECT_TRUE(fileBytes(path()).contains("\xF0\x9F\x82\xA1")) << "a whole pair is written as itself";
}

TEST_F(SettingsFaults, ASectionWrittenTwiceIsOneSection) {
    writeFile(
        "[nr_vantra\\data]\ndata1=one\npb=first\n[nr_vantra\\option]\nmes=6\n[NR_Vantra\\Data]\ndata2=two\npb="
        "second\n");
    EXPECT_EQ(store.get(app, data, QStringLiteral("Data2")), QStringLiteral("two"));
    EXPECT_EQ(store.get(app, data, QStringLiteral("PB")), QStringLiteral("first"));
    // One reset removes all of it.
    ASSERT_TRUE(store.remove(app, data));
    EXPECT_EQ(store.get(app, data, QStringLiteral("Data1")), QString());
    EXPECT_EQ(store.get(app, data, QStringLiteral("Data2")), QString());
    EXPECT_EQ(store.get(app, data, QStringLiteral("PB")), QString());
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes")), QStringLiteral("6"));
}

TEST_F(SettingsFaults, ThingsThatAreNotTheStoreAreRefusedWithoutHangingOrReading) {
    struct Case {
        const char* name;
        std::function<void(SettingsFaults&)> make;
        const char* what;
        bool replacedOnWrite;  // anything but a folder is kept aside and replaced
    };
    const Case cases[] = {
        {"a pipe", [](SettingsFaults& t) { ASSERT_EQ(::mkfifo(QFile::encodeName(t.path()).constData(), 0600), 0); },
         "普通のファイルではありません", true},
        {"a link to a device that never ends",
         [](SettingsFaults& t) { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), t.path())); },
         "普通のファイルではありません", true},
        {"a folder", [](SettingsFaults& t) { ASSERT_TRUE(QDir().mkpath(t.path())); }, "同じ名前のフォルダーがあります",
         false},
        {"a file far too large",
         [](SettingsFaults& t) { t.writeFile(QByteArray(host::settings_io::kMaxSettingsBytes + 1, ';')); },
         "大きすぎます", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dir.filePath(QStringLiteral("vantrax"))).removeRecursively();
        QDir().mkpath(dir.filePath(QStringLiteral("vantrax")));
        c.make(*this);
        SettingsStore s(path());
        EXPECT_TRUE(s.damaged());
        EXPECT_TRUE(s.problem().text().contains(QString::fromUtf8(c.what))) << qPrintable(s.problem().text());
        EXPECT_EQ(s.get(app, option, QStringLiteral("Mes"), QStringLiteral("15")), QStringLiteral("15"));
        EXPECT_EQ(s.save(app, option, QStringLiteral("Mes"), QStringLiteral("6")), c.replacedOnWrite);
        if (c.replacedOnWrite) {
            EXPECT_EQ(s.lastCopy(), path() + QStringLiteral(".damaged"));
            EXPECT_TRUE(QFileInfo(s.lastCopy()).exists()) << "kept, not thrown away";
            EXPECT_FALSE(s.damaged());
            EXPECT_EQ(s.get(app, option, QStringLiteral("Mes")), QStringLiteral("6"));
        } else {
            EXPECT_TRUE(s.lastError().contains(QString::fromUtf8(c.what))) << qPrintable(s.lastError());
            EXPECT_TRUE(s.lastError().contains(QDir::toNativeSeparators(path())));
        }
    }
}

TEST_F(SettingsFaults, AWriteThatFailsSaysWhyAndChangesNothing) {
    ASSERT_TRUE(store.save(app, option, QStringLiteral("Mes"), QStringLiteral("6")));
    const QByteArray before = fileBytes(path());

    {
        FullDisk full(16);
        EXPECT_FALSE(store.save(app, option, QStringLiteral("Mes"), QStringLiteral("9")));
    }
    EXPECT_EQ(store.lastFailure().what, QStringLiteral("設定ファイルに書き込めません"));
    EXPECT_FALSE(store.lastFailure().reason.isEmpty());
    EXPECT_EQ(store.lastFailure().path, QDir::toNativeSeparators(path()));
    EXPECT_EQ(fileBytes(path()), before);
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes")), QStringLiteral("6"));
    EXPECT_EQ(folderEntries(), (QStringList{QStringLiteral("settings.ini"), QStringLiteral("settings.ini.lock")}))
        << "no temporary file is left behind";

    // A success clears the failure.
    ASSERT_TRUE(store.save(app, option, QStringLiteral("Mes"), QStringLiteral("9")));
    EXPECT_FALSE(store.lastFailure().failed());
    EXPECT_TRUE(store.lastError().isEmpty());
}

TEST_F(SettingsFaults, AFolderThatCannotBeMadeIsNamed) {
    // A file where a folder of the path should be: no one, not even root, can
    // make the folder.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore s(dir.filePath(QStringLiteral("blocker/vantrax/settings.ini")));
    EXPECT_FALSE(s.damaged()) << "nothing there reads as an empty store";
    EXPECT_FALSE(s.save(app, option, QStringLiteral("Mes"), QStringLiteral("6")));
    EXPECT_EQ(s.lastFailure().what, QStringLiteral("設定ファイルのフォルダーを作れません"));
    EXPECT_EQ(s.lastFailure().path, QDir::toNativeSeparators(dir.filePath(QStringLiteral("blocker/vantrax"))));
}

TEST_F(SettingsFaults, AReadOnlyFolderOrFileIsNamedAndKept) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders and files";
    ASSERT_TRUE(store.save(app, option, QStringLiteral("Mes"), QStringLiteral("6")));
    for (const QString& readOnly : {dir.filePath(QStringLiteral("vantrax")), path()}) {
        SCOPED_TRACE(qPrintable(readOnly));
        const QByteArray name = QFile::encodeName(readOnly);
        struct stat st;
        ASSERT_EQ(::stat(name.constData(), &st), 0);
        ::chmod(name.constData(), st.st_mode & 0555);
        const bool saved = store.save(app, option, QStringLiteral("Mes"), QStringLiteral("9"));
        ::chmod(name.constData(), st.st_mode);
        EXPECT_FALSE(saved);
        EXPECT_EQ(store.lastFailure().reason, host::settings_io::ReasonText(EACCES));
        EXPECT_EQ(store.get(app, option, QStringLiteral("Mes")), QStringLiteral("6"));
    }
}

TEST_F(SettingsFaults, ABatchIsOneWriteAndCanKeepACopyFirst) {
    ASSERT_TRUE(store.save(app, data, QStringLiteral("Data1"), QStringLiteral("slot")));
    const QByteArray before = fileBytes(path());
    SettingsBatch reset;
    reset.remove(app, option).remove(app, data).save(app, option, QStringLiteral("Mes"), QStringLiteral("3"));
    reset.keepCopy(QStringLiteral("before-reset"));
    ASSERT_TRUE(store.apply(reset));
    EXPECT_EQ(store.get(app, data, QStringLiteral("Data1")), QString());
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes")), QStringLiteral("3"));
    EXPECT_EQ(store.lastCopy(), path() + QStringLiteral(".before-reset"));
    EXPECT_EQ(fileBytes(store.lastCopy()), before);
    // A second copy does not overwrite the first.
    ASSERT_TRUE(store.apply(reset));
    EXPECT_EQ(store.lastCopy(), path() + QStringLiteral(".before-reset2"));
    EXPECT_EQ(fileBytes(path() + QStringLiteral(".before-reset")), before);

    // A batch with a nameless entry writes none of its changes.
    SettingsBatch bad;
    bad.save(app, option, QStringLiteral("Mes"), QStringLiteral("9")).save(app, option, QString(), QStringLiteral("x"));
    EXPECT_FALSE(store.apply(bad));
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes")), QStringLiteral("3"));
}

// Players who keep their settings with their other dotfiles link to them.
TEST_F(SettingsFaults, AStoreReachedThroughALinkStaysALinkAndItsCopyHoldsTheFile) {
    const QString real = dir.filePath(QStringLiteral("dotfiles/vantrax.ini"));
    QDir().mkpath(dir.filePath(QStringLiteral("dotfiles")));
    QDir().mkpath(dir.filePath(QStringLiteral("vantrax")));
    ASSERT_TRUE(SettingsStore(real).save(app, data, QStringLiteral("Data1"), QStringLiteral("slot")));
    ASSERT_TRUE(QFile::link(real, path()));
    const QByteArray before = fileBytes(real);
    ASSERT_TRUE(store.apply(SettingsBatch().remove(app, data).keepCopy(QStringLiteral("before-reset"))));
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(SettingsStore(real).get(app, data, QStringLiteral("Data1")), QString());
    EXPECT_EQ(fileBytes(store.lastCopy()), before);
    EXPECT_FALSE(QFileInfo(store.lastCopy()).isSymLink());
}

TEST_F(SettingsFaults, ALockLeftByAnyoneWhoIsGoneIsTakenOverAtOnce) {
    const char* leftovers[] = {"", "999999\n", "12345\nvantrax\nsomehost\n", "garbage"};
    for (const char* content : leftovers) {
        SCOPED_TRACE(content);
        QDir().mkpath(dir.filePath(QStringLiteral("vantrax")));
        QFile lock(path() + QStringLiteral(".lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(content);
        lock.close();
        host::SettingsFailure failure;
        host::settings_io::FileLock probe(path() + QStringLiteral(".lock"));
        // Not even one wait: the lock is free for the asking.
        ASSERT_TRUE(probe.acquire(0, failure)) << qPrintable(failure.text());
    }
    EXPECT_EQ(fileBytes(path() + QStringLiteral(".lock")), QByteArray::number(::getpid()) + '\n');
}

TEST_F(SettingsFaults, ALockHeldByALiveWriterMakesTheOtherWaitOrGiveUp) {
    QDir().mkpath(dir.filePath(QStringLiteral("vantrax")));
    host::SettingsFailure failure;
    host::settings_io::FileLock held(path() + QStringLiteral(".lock"));
    ASSERT_TRUE(held.acquire(0, failure));
    host::settings_io::FileLock other(path() + QStringLiteral(".lock"));
    EXPECT_FALSE(other.acquire(0, failure));
    EXPECT_EQ(failure.cause(), QStringLiteral("ほかの Vantrax が使用中です")) << qPrintable(failure.text());
}

TEST_F(SettingsFaults, TemporaryFilesOfKilledWritesAreRemoved) {
    ASSERT_TRUE(store.save(app, option, QStringLiteral("Mes"), QStringLiteral("6")));
    const QString folder = dir.filePath(QStringLiteral("vantrax/"));
    const QStringList left = {QStringLiteral("settings.ini.aB3xYz"), QStringLiteral("settings.ini.000000")};
    const QStringList kept = {QStringLiteral("settings.ini.damaged"), QStringLiteral("settings.ini.before-reset"),
                              QStringLiteral("settings.ini.damaged2"), QStringLiteral("other.ini.aB3xYz"),
                              QStringLiteral("settings.ini.ab-xyz")};
    auto make = [&](const QStringList& names) {
        for (const QString& n : names) {
            QFile f(folder + n);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    };
    for (const auto& clean : std::vector<std::function<void()>>{
             [&] { store.cleanUp(); },
             [&] { ASSERT_TRUE(store.save(app, option, QStringLiteral("Div"), QStringLiteral("1"))); }}) {
        make(left);
        make(kept);
        clean();
        for (const QString& n : left) EXPECT_FALSE(QFile::exists(folder + n)) << qPrintable(n);
        for (const QString& n : kept) EXPECT_TRUE(QFile::exists(folder + n)) << qPrintable(n);
    }
}

TEST_F(SettingsFaults, AnEditOfTheFileIsSeenByTheNextRead) {
    writeFile("[nr_vantra\\option]\nmes=3\n");
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes")), QStringLiteral("3"));
    // The same size, written in place: only the time tells them apart.
    writeFile("[nr_vantra\\option]\nmes=9\n");
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes")), QStringLiteral("9"));
    QFile::remove(path());
    EXPECT_EQ(store.get(app, option, QStringLiteral("Mes"), QStringLiteral("15")), QStringLiteral("15"));
}

TEST_F(SettingsFaults, AKillDuringTheOptionsOkLeavesOneWholeOk) {
    const QString writer = QStringLiteral(VANTRAX_TEST_TOOLS_DIR "/settings_writer");
    ASSERT_TRUE(QFile::exists(writer));
    const QStringList keys = {QStringLiteral("Mes"),  QStringLiteral("Div"),  QStringLiteral("Bgm"),
                              QStringLiteral("Wav"),  QStringLiteral("Key0"), QStringLiteral("Key1"),
                              QStringLiteral("Key2"), QStringLiteral("Key3"), QStringLiteral("Key4"),
                              QStringLiteral("Key5")};
    const QStringList set0 = {"12", "0", "True", "True", "83", "68", "90", "88", "67", "86"};
    const QStringList set1 = {"3", "1", "False", "False", "68", "83", "88", "90", "86", "67"};
    for (int round = 0; round < 40; ++round) {
        QProcess child;
        child.start(writer, {path(), QStringLiteral("options")});
        ASSERT_TRUE(child.waitForStarted());
        ASSERT_TRUE(child.waitForReadyRead(10000));
        QProcess::execute(QStringLiteral("sleep"), {QString::number(0.003 * (round % 9 + 1))});
        child.kill();
        child.waitForFinished();
        ASSERT_FALSE(store.damaged()) << "round " << round;
        QStringList now;
        for (int i = 0; i < keys.size(); ++i) now << store.get(app, option, keys[i], QStringLiteral("<absent>"));
        if (now[0] == QStringLiteral("<absent>")) continue;  // killed before its first write
        EXPECT_TRUE(now == set0 || now == set1) << "round " << round << ": " << qPrintable(now.join(QLatin1Char(' ')));
        // A lock the killed writer may have held does not hold up the next write.
        ASSERT_TRUE(store.save(app, data, QStringLiteral("Data2"), QString::number(round)))
            << qPrintable(store.lastError());
    }
    for (const QString& n : folderEntries())
        EXPECT_FALSE(n.size() == 19 && n.startsWith(QStringLiteral("settings.ini.")))
            << "a temporary file was left: " << qPrintable(n);
}

}  // namespace
