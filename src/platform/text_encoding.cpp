#include "platform/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace host {

namespace {
std::optional<QByteArray> convert(const char* to, const char* from, const QByteArray& in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::vector<char> out(static_cast<size_t>(in.size()) * 4 + 16);
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = static_cast<size_t>(in.size());
    char* dst = out.data();
    size_t dstLeft = out.size();
    size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    bool ok = rc != static_cast<size_t>(-1) && srcLeft == 0;
    // iconv may have converted characters "approximately"; any such count is a refusal.
    if (ok && rc > 0) ok = false;
    if (ok && iconv(cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<size_t>(-1)) ok = false;
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return QByteArray(out.data(), static_cast<qsizetype>(out.size() - dstLeft));
}
}  // namespace

std::optional<QByteArray> ToCp932(const QString& text) { return convert("CP932", "UTF-8", text.toUtf8()); }

std::optional<QString> FromCp932(const QByteArray& bytes) {
    auto utf8 = convert("UTF-8", "CP932", bytes);
    if (!utf8) return std::nullopt;
    return QString::fromUtf8(*utf8);
}

}  // namespace host
