#pragma once
// The text of the settings file: sections in brackets, "key=value" lines,
// comments after ";" or "#". The store writes every name folded to lower case
// and escapes what would break a line; a person editing the file by hand may
// write names in any case and single backslashes, and is read the same way.
#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace host::ini {

using Entries = std::vector<std::pair<QString, QString>>;
struct Section {
    QString name;  // folded
    Entries entries;
};
using Document = std::vector<Section>;

// The first line that cannot be read: its number from 1 and its text.
struct LineError {
    int line = 0;
    QString text;
};

QString Fold(const QString& s);

// Parses UTF-8 text. A section that appears twice is read as one, and of two
// entries with the same key the first counts, as it always has for reading;
// the next write then leaves one of each.
std::optional<LineError> Parse(const QByteArray& bytes, Document& out);
QByteArray Render(const Document& doc);

Section* FindSection(Document& doc, const QString& foldedName);

}  // namespace host::ini
