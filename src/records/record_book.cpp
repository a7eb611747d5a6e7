// The record book and the end-of-run update that announces a beaten record.
#include "records/record_book.h"

#include <QDebug>

#include "app/settings_report.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "platform/settings_store.h"

namespace records {

namespace {

const QString kSection = QStringLiteral("Data");
// The store ignores case; the record book has always read under this spelling.
const QString kReadApp = QStringLiteral("Nr_Vantra");

// The decimal text of a 32-bit number and nothing else: no blanks, no sign
// other than a leading minus, no overflow.
std::optional<int32_t> parseDecimal(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && text[0] == u'-') {
        negative = true;
        i = 1;
    }
    if (i >= text.size()) return std::nullopt;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        v = v * 10 + (c - u'0');
        if (v > int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(v);
}

}  // namespace

// Masks of 19 and 20 bits keep the default records' stored numbers at six
// digits; the defaults are 5000 points, a mark that the first run which clears
// a stage or two beats, so that every new player sees the record book work.
const RecordKey kOfficialRecord{"PB", 0x6B2D5, 1, "sﾛﾆｴﾔs2ﾛKP｡ﾁｯAcs｡ｺ"};
const RecordKey kPersonalRecord{"MB", 0x9E4A3, 2, "5ﾗkﾅYkﾅxc5ｻW5･ﾆ5ﾄqPｸUﾅvｮ5ﾄ2tAｯ5ﾓ2kEq5ｻﾂ5ｳｺ5ｲﾂ5ﾗｯ5ｳｺﾆE｣"};

std::optional<int32_t> DecodeRecord(const RecordKey& key, const QString& stored) {
    QString text = stored;
    for (int i = 0; i < key.encodings; ++i) text = DecText(text);
    auto v = parseDecimal(text);
    if (!v) return std::nullopt;
    return *v ^ key.mask;
}

QString EncodeRecord(const RecordKey& key, int32_t record) {
    QString text = QString::number(record ^ key.mask);
    // Decimal digits are always in code page 932, so the encoding cannot fail.
    for (int i = 0; i < key.encodings; ++i) text = EncText(text).value_or(QString());
    return text;
}

int32_t ReadRecord(const RecordKey& key) {
    const QString name = QString::fromLatin1(key.key);
    const QString stored = host::GetSetting(kReadApp, kSection, name, QString::fromUtf8(key.defaultStored));
    if (auto v = DecodeRecord(key, stored)) return *v;
    // A damaged record must not stop the game: it counts as no record, and the
    // stored text stays as it is until a record beats it.
    qWarning().noquote() << "record" << name << "in the settings store is damaged; it counts as 0";
    return 0;
}

bool WriteRecord(const RecordKey& key, int32_t record) {
    return host::SaveSetting(kAppName, kSection, QString::fromLatin1(key.key), EncodeRecord(key, record));
}

}  // namespace records

using namespace records;

int32_t ReadOfficialRecord() {
    return ReadRecord(kOfficialRecord);
}
int32_t ReadPersonalRecord() {
    return ReadRecord(kPersonalRecord);
}

namespace {
// Stores a beaten record, then announces it: the announcement never claims a
// record that the store did not keep, and a failed write says why.
void KeepRecord(const RecordKey& key, const QString& news, const QString& what) {
    if (WriteRecord(key, TotalPoint))
        MesBox(kGuideFace, GuideLine(), news, false, true);
    else
        TellNotSaved(what);
}
}  // namespace

void UpdateRecords() {
    if (!NotOfficial && ReadOfficialRecord() < TotalPoint)
        KeepRecord(kOfficialRecord,
                   QStringLiteral("おめでとうございます。公認記録の更新です。すぐにインターネット上に登録しよう！"),
                   QStringLiteral("新しい公認記録"));
    if (ReadPersonalRecord() < TotalPoint)
        KeepRecord(kPersonalRecord,
                   QStringLiteral("おめでとうございます。自己記録の更新です。さらに腕に磨きをかけよう！"),
                   QStringLiteral("新しい自己記録"));
}
