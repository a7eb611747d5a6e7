#pragma once
// What the official-record export writes and prints: the record block, the
// line of the file "公認記録.txt" and the two printed sheets, as plain values.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace records {

// Where a player sends the record. The addresses are the maker's own.
inline const QString kRankingPage = QStringLiteral("https://nimbrel.example/vantrax/ranking/");
inline const QString kMailTo = QStringLiteral("ranking@nimbrel.example");
inline const QString kPostalCodeLabel = QStringLiteral("〒");
inline const QString kPostalCode = QStringLiteral("150-0000");
inline const QString kPostalAddress = QStringLiteral("東京都渋谷区架空町1-2-3 ニンブレルビル4F");
inline const QString kRecipient = QStringLiteral("Nimbrel ヴァントラックス記録係 行");
inline const QString kExportFileName = QStringLiteral("公認記録.txt");

// The record with at least six digits, then the name, nothing between.
QString RecordBlock(int32_t record, const QString& name);
// The file's one line: the encoded block in double quotes and CR LF, in code
// page 932. Nothing when the block holds a character the code page lacks.
std::optional<QByteArray> ExportLine(const QString& encodedBlock);

struct PrintLine {
    int size;  // points
    QString text;
};
using Sheet = std::vector<PrintLine>;
// The sheet that reminds a player of the file and where to mail it.
Sheet MailSheet(const QString& targetFolder, const QString& mailTo);
// The sheet whose cut-out part goes on a postcard.
Sheet PostcardSheet(const QString& encodedBlock);

}  // namespace records
