#include "platform/settings_format.h"

#include <QStringDecoder>

namespace host::ini {

namespace {

QString hexEscape(ushort u) {
    return QStringLiteral("\\x%1;").arg(u, 4, 16, QLatin1Char('0'));
}

// Names must survive being read back trimmed and must not look like a section,
// a comment or the "=" that ends the key; values keep every character.
QString escape(const QString& s, bool isName) {
    QString out;
    out.reserve(s.size());
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s[i];
        const ushort u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && s[i + 1].isLowSurrogate()) {
            out += c;
            out += s[++i];
        } else if (c.isSurrogate()) {
            // Half a pair has no UTF-8 form; written plainly it would come
            // back as "?" and the codec's text would be changed for good.
            out += hexEscape(u);
        } else if (c == QLatin1Char('\\')) {
            out += QLatin1String("\\\\");
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\r");
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1String("\\t");
        } else if (u < 0x20 || u == 0x7f ||
                   (isName && (c == QLatin1Char('=') || c == QLatin1Char('[') || c == QLatin1Char(']'))) ||
                   (isName && out.isEmpty() && (c == QLatin1Char(';') || c == QLatin1Char('#'))) ||
                   (isName && c == QLatin1Char(' ') && (i == 0 || i == n - 1))) {
            out += hexEscape(u);
        } else {
            out += c;
        }
    }
    return out;
}

bool isHex4(QStringView s) {
    for (QChar c : s)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
              (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return false;
    return s.size() == 4;
}

// The escapes the store writes. Any other backslash is a person's own (the
// help tells players to write "[nr_vantra\option]") and stands for itself.
QString unescape(QStringView s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c != QLatin1Char('\\') || i + 1 >= s.size()) {
            out += c;
            continue;
        }
        switch (s[i + 1].unicode()) {
            case '\\':
                out += QLatin1Char('\\');
                ++i;
                break;
            case 'n':
                out += QLatin1Char('\n');
                ++i;
                break;
            case 'r':
                out += QLatin1Char('\r');
                ++i;
                break;
            case 't':
                out += QLatin1Char('\t');
                ++i;
                break;
            case 'x':
                if (i + 6 < s.size() && isHex4(s.mid(i + 2, 4)) && s[i + 6] == QLatin1Char(';')) {
                    out += QChar(static_cast<ushort>(s.mid(i + 2, 4).toString().toUInt(nullptr, 16)));
                    i += 6;
                    break;
                }
                out += c;
                break;
            default:
                out += c;
        }
    }
    return out;
}

void addEntry(Section& s, QString key, QString value) {
    for (const auto& e : s.entries)
        if (e.first == key) return;
    s.entries.emplace_back(std::move(key), std::move(value));
}

}  // namespace

QString Fold(const QString& s) {
    return s.toLower();
}

Section* FindSection(Document& doc, const QString& foldedName) {
    for (Section& s : doc)
        if (s.name == foldedName) return &s;
    return nullptr;
}

std::optional<LineError> Parse(const QByteArray& bytes, Document& out) {
    out.clear();
    QByteArrayView rest(bytes);
    // Editors on other systems like to start UTF-8 with a byte-order mark.
    if (rest.startsWith("\xEF\xBB\xBF")) rest = rest.sliced(3);
    Section* current = nullptr;
    int number = 0;
    while (!rest.isEmpty() || number == 0) {
        ++number;
        qsizetype nl = rest.indexOf('\n');
        QByteArrayView raw = nl < 0 ? rest : rest.first(nl);
        rest = nl < 0 ? QByteArrayView() : rest.sliced(nl + 1);
        if (raw.endsWith('\r')) raw.chop(1);
        auto decode = QStringDecoder(QStringDecoder::Utf8);
        const QString line = decode(raw);
        if (decode.hasError()) return LineError{number, line};
        const QStringView text = QStringView(line).trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('#'))) {
            if (nl < 0) break;
            continue;
        }
        if (text.startsWith(QLatin1Char('['))) {
            if (!text.endsWith(QLatin1Char(']'))) return LineError{number, line};
            const QString name = Fold(unescape(text.sliced(1, text.size() - 2).trimmed()));
            if (name.isEmpty()) return LineError{number, line};
            current = FindSection(out, name);
            if (!current) {
                out.push_back(Section{name, {}});
                current = &out.back();
            }
        } else {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq < 0 || !current) return LineError{number, line};
            // Blanks around a name are the writer's layout; blanks in a value
            // may be part of a save slot, so the value is kept as it stands.
            QString key = Fold(unescape(QStringView(line).first(eq).trimmed()));
            if (key.isEmpty()) return LineError{number, line};
            addEntry(*current, std::move(key), unescape(QStringView(line).sliced(eq + 1)));
        }
        if (nl < 0) break;
    }
    return std::nullopt;
}

QByteArray Render(const Document& doc) {
    QString out = QStringLiteral("; Vantrax settings. Names are case-insensitive; values are texts.\n");
    for (const Section& s : doc) {
        if (s.entries.empty()) continue;
        out += QLatin1Char('[') + escape(s.name, true) + QLatin1String("]\n");
        for (const auto& [k, v] : s.entries)
            out += escape(k, true) + QLatin1Char('=') + escape(v, false) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

}  // namespace host::ini
