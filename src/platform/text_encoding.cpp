#include "platform/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace host {

namespace {
// Opening a converter costs far more than converting a name, so each thread
// keeps one per direction and resets its state before every use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

std::optional<QByteArray> convert(const Converter& converter, const QByteArray& in) {
    if (!converter.valid()) return std::nullopt;
    iconv_t cd = converter.get();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
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
    if (!ok) return std::nullopt;
    return QByteArray(out.data(), static_cast<qsizetype>(out.size() - dstLeft));
}
}  // namespace

std::optional<QByteArray> ToCp932(const QString& text) {
    // Code page 932 has nothing outside the basic plane, and on the way to
    // UTF-8 Qt would quietly turn a lone surrogate into "?".
    for (QChar c : text)
        if (c.isSurrogate()) return std::nullopt;
    thread_local const Converter toCp932("CP932", "UTF-8");
    return convert(toCp932, text.toUtf8());
}

std::optional<QString> FromCp932(const QByteArray& bytes) {
    thread_local const Converter fromCp932("UTF-8", "CP932");
    auto utf8 = convert(fromCp932, bytes);
    if (!utf8) return std::nullopt;
    return QString::fromUtf8(*utf8);
}

}  // namespace host
