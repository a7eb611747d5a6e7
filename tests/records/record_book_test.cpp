// The record book: the stored form of both records, the defaults, damaged
// values, and the end-of-run update with its official-status rule.
#include "records/record_book.h"

#include <QDir>
#include <QFile>

#include "platform/settings_store.h"
#include "records/codec.h"
#include "records_test.h"

using namespace records;

namespace {

const QString kOfficialNews =
    QStringLiteral("おめでとうございます。公認記録の更新です。すぐにインターネット上に登録しよう！");
const QString kPersonalNews = QStringLiteral("おめでとうございます。自己記録の更新です。さらに腕に磨きをかけよう！");

class RecordBookTest : public RecordsTest {
protected:
    QString stored(const char* key) { return host::GetSetting(kAppName, QStringLiteral("Data"), QLatin1String(key)); }
    void store(const char* key, const QString& v) {
        host::SaveSetting(kAppName, QStringLiteral("Data"), QLatin1String(key), v);
    }
    // Runs the update at the end of a run with these points.
    void finishRun(int32_t points, bool notOfficial) {
        TotalPoint = points;
        NotOfficial = notOfficial;
        dismissAll(4);
        UpdateRecords();
    }
};

TEST_F(RecordBookTest, TheDefaultsStandFor5000PointsAndAreNotWritten) {
    EXPECT_EQ(QString::fromUtf8(kOfficialRecord.defaultStored).size(), 18);
    EXPECT_EQ(QString::fromUtf8(kPersonalRecord.defaultStored).size(), 54);
    EXPECT_EQ(ReadOfficialRecord(), 5000);
    EXPECT_EQ(ReadPersonalRecord(), 5000);
    // One text encoding of six characters, and two of them.
    EXPECT_EQ(DecText(QString::fromUtf8(kOfficialRecord.defaultStored)).size(), 6);
    EXPECT_EQ(DecText(DecText(QString::fromUtf8(kPersonalRecord.defaultStored))).size(), 6);
    EXPECT_EQ(stored("PB"), QString());
    EXPECT_EQ(stored("MB"), QString());
}

TEST_F(RecordBookTest, RecordsAreStoredMaskedAndEncoded) {
    for (int32_t record : {0, 1, 1234, 76200, 250000, 999999, INT32_MAX, -5}) {
        ASSERT_TRUE(WriteRecord(kOfficialRecord, record));
        ASSERT_TRUE(WriteRecord(kPersonalRecord, record));
        EXPECT_EQ(ReadOfficialRecord(), record);
        EXPECT_EQ(ReadPersonalRecord(), record);
        EXPECT_EQ(DecText(stored("PB")), QString::number(record ^ kOfficialRecord.mask));
        EXPECT_EQ(DecText(DecText(stored("MB"))), QString::number(record ^ kPersonalRecord.mask));
    }
    EXPECT_NE(kOfficialRecord.mask, kPersonalRecord.mask);
}

TEST_F(RecordBookTest, ADamagedRecordCountsAsNoneAndStaysUntilBeaten) {
    const QString once = *EncText(QStringLiteral("12x456"));
    const struct {
        const char* why;
        QString pb;
    } cases[] = {
        {"symbols that are no code", QStringLiteral("\"\"\"")},
        {"a text that is no number", once},
        {"a number too big for 32 bits", *EncText(QStringLiteral("99999999999"))},
        {"an empty value", QString()},
        {"the text of a record with a blank", *EncText(QStringLiteral(" 12345"))},
    };
    for (const auto& c : cases) {
        store("PB", c.pb);
        EXPECT_EQ(ReadOfficialRecord(), 0) << c.why;
        EXPECT_EQ(stored("PB"), c.pb) << "reading must not repair or drop it: " << c.why;
    }
    // A personal record decoded only once is damaged as well.
    store("MB", *EncText(QString::number(7000 ^ kPersonalRecord.mask)));
    EXPECT_EQ(ReadPersonalRecord(), 0);

    finishRun(10, false);
    EXPECT_EQ(ReadOfficialRecord(), 10);
    EXPECT_EQ(ReadPersonalRecord(), 10);
}

TEST_F(RecordBookTest, AnOfficialRunBeatingBothShowsBothMessagesInOrder) {
    finishRun(6000, false);
    EXPECT_EQ(messages, QStringList({kOfficialNews, kPersonalNews}));
    EXPECT_EQ(ReadOfficialRecord(), 6000);
    EXPECT_EQ(ReadPersonalRecord(), 6000);
}

TEST_F(RecordBookTest, WhoseRecordARunMayBeat) {
    // Records before the run: official 8000, personal 9000.
    const struct {
        const char* why;
        int32_t points;
        bool notOfficial;
        int32_t official, personal;
        QStringList shown;
    } cases[] = {
        {"a saved or loaded run never touches the official record", 20000, true, 8000, 20000, {kPersonalNews}},
        {"a tie with both records updates nothing", 8000, false, 8000, 9000, {}},
        {"beating only the official record", 8500, false, 8500, 9000, {kOfficialNews}},
        {"a tie with the personal record", 9000, false, 9000, 9000, {kOfficialNews}},
        {"below both", 100, false, 8000, 9000, {}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteRecord(kOfficialRecord, 8000));
        ASSERT_TRUE(WriteRecord(kPersonalRecord, 9000));
        messages.clear();
        finishRun(c.points, c.notOfficial);
        EXPECT_EQ(ReadOfficialRecord(), c.official) << c.why;
        EXPECT_EQ(ReadPersonalRecord(), c.personal) << c.why;
        EXPECT_EQ(messages, c.shown) << c.why;
    }
}

TEST_F(RecordBookTest, TheDefaultsDecideTheFirstRecord) {
    finishRun(5000, false);
    EXPECT_TRUE(messages.isEmpty()) << "equal to the default is no record";
    EXPECT_EQ(stored("PB"), QString());
    finishRun(5001, true);
    EXPECT_EQ(messages, QStringList({kPersonalNews}));
    EXPECT_EQ(stored("PB"), QString());
    EXPECT_EQ(ReadPersonalRecord(), 5001);
}

TEST_F(RecordBookTest, AFailedWriteIsNeverAnnouncedAsKept) {
    // A store whose folder cannot be made: reads give the defaults, writes fail.
    QFile blocker(configDir.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    host::setSettingsPath(blocker.fileName() + QStringLiteral("/vantrax/settings.ini"));
    finishRun(6000, false);
    ASSERT_EQ(messages.size(), 2);
    for (const QString& m : messages) {
        EXPECT_FALSE(m.startsWith(QStringLiteral("おめでとう"))) << m.toStdString();
        EXPECT_TRUE(m.contains(QStringLiteral("保存できなかった"))) << m.toStdString();
    }
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("新しい公認記録")));
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("新しい自己記録")));
    EXPECT_EQ(ReadOfficialRecord(), 5000);
}

}  // namespace
