#include "records/export_sheets.h"

#include "platform/text_encoding.h"

namespace records {

namespace {
const QString kHeader = QStringLiteral("*** Vantrax ") + QString(48, u'*');
const QString kBlank = QStringLiteral("  ");
const QString kTwoWeeks = QStringLiteral("                   ・登録には2週間ほどかかる事があります。");
const QString kComments =
    QStringLiteral("                   ・御意見・御感想などを添えていただけると幸いです。      by Nimbrel");
const QString kCutLine = QStringLiteral("  -------------------------切り取り線-------------------------");
}  // namespace

QString RecordBlock(int32_t record, const QString& name) {
    // A record below zero keeps its sign in front of the zeros.
    QString digits = QString::number(record < 0 ? -static_cast<int64_t>(record) : record).rightJustified(6, u'0');
    return (record < 0 ? QStringLiteral("-") : QString()) + digits + name;
}

std::optional<QByteArray> ExportLine(const QString& encodedBlock) {
    auto bytes = host::ToCp932(encodedBlock);
    if (!bytes) return std::nullopt;
    return QByteArray("\"") + *bytes + QByteArray("\"\r\n");
}

Sheet MailSheet(const QString& targetFolder, const QString& mailTo) {
    return {
        {12, kHeader},
        {10, kBlank},
        {10, kBlank + targetFolder + QStringLiteral("/") + kExportFileName +
                 QStringLiteral("   というファイルが作成されました。")},
        {10, kBlank},
        {15, QStringLiteral("  メール送り先：") + mailTo},
        {15, kBlank},
        {10, kTwoWeeks},
        {10, kComments},
    };
}

Sheet PostcardSheet(const QString& encodedBlock) {
    return {
        {12, kHeader},
        {12, kBlank},
        {10, kCutLine},
        {10, kBlank},
        {15, kBlank + encodedBlock},
        {10, kBlank},
        {10, kCutLine},
        {10,
         QStringLiteral("                                                     上記の部分を葉書に貼り付けてください")},
        {10, kBlank},
        {12, QStringLiteral("  ＜宛て先＞")},
        {12, QStringLiteral("    ") + kPostalCodeLabel + kPostalCode},
        {12, QStringLiteral("    ") + kPostalAddress + QStringLiteral("  ") + kRecipient},
        {10, kBlank},
        {10, QStringLiteral("                   ・申し訳ありませんが葉書は自己負担となります。")},
        {10, kTwoWeeks},
        {10, kComments},
    };
}

}  // namespace records
