#pragma once
// Code page 932 conversion through glibc iconv, which is exact for the NEC and
// IBM extension characters. A text CP932 cannot represent is refused, never
// mangled.
#include <QByteArray>
#include <QString>
#include <optional>

namespace host {

std::optional<QByteArray> ToCp932(const QString& text);
std::optional<QString> FromCp932(const QByteArray& bytes);

}  // namespace host
