#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace host {

namespace {

using Entries = std::vector<std::pair<QString, QString>>;
struct Section {
    QString name;
    Entries entries;
};
using Document = std::vector<Section>;

QString fold(const QString& s) { return s.toLower(); }
QString sectionName(const QString& app, const QString& section) { return fold(app) + QLatin1Char('\\') + fold(section); }

QString escape(const QString& s, bool isKey) {
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        ushort u = c.unicode();
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (u < 0x20 || u == 0x7f || (isKey && (c == QLatin1Char('=') || c == QLatin1Char('[') || c == QLatin1Char(']'))) ||
                 (isKey && out.isEmpty() && (c == QLatin1Char(';') || c == QLatin1Char('#'))))
            out += QStringLiteral("\\x%1;").arg(u, 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescape(QStringView s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        QChar c = s[i];
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= s.size()) return std::nullopt;
        switch (s[i].unicode()) {
        case '\\': out += QLatin1Char('\\'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'x': {
            if (i + 5 >= s.size() || s[i + 5] != QLatin1Char(';')) return std::nullopt;
            bool ok = false;
            uint code = s.mid(i + 1, 4).toString().toUInt(&ok, 16);
            if (!ok) return std::nullopt;
            out += QChar(static_cast<ushort>(code));
            i += 5;
            break;
        }
        default: return std::nullopt;
        }
    }
    return out;
}

// Reads the file. Returns nullopt when it exists but cannot be parsed.
std::optional<Document> readDocument(const QString& path) {
    QFile f(path);
    if (!f.exists()) return Document{};
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = f.readAll();
    auto toUtf16 = QStringDecoder(QStringDecoder::Utf8);
    QString text = toUtf16(bytes);
    if (toUtf16.hasError()) return std::nullopt;
    Document doc;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')) || line.size() < 3) return std::nullopt;
            auto name = unescape(line.mid(1, line.size() - 2));
            if (!name) return std::nullopt;
            doc.push_back(Section{fold(*name), {}});
            continue;
        }
        qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || doc.empty()) return std::nullopt;
        auto key = unescape(line.left(eq));
        auto value = unescape(line.mid(eq + 1));
        if (!key || !value) return std::nullopt;
        doc.back().entries.emplace_back(fold(*key), *value);
    }
    return doc;
}

QByteArray render(const Document& doc) {
    QString out = QStringLiteral("; Vantrax settings. Names are case-insensitive; values are texts.\n");
    for (const Section& s : doc) {
        if (s.entries.empty()) continue;
        out += QLatin1Char('[') + escape(s.name, true) + QLatin1String("]\n");
        for (const auto& [k, v] : s.entries) out += escape(k, true) + QLatin1Char('=') + escape(v, false) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

Section* findSection(Document& doc, const QString& name) {
    for (Section& s : doc)
        if (s.name == name) return &s;
    return nullptr;
}

// Applies one change under the store's lock, on a fresh reading of the file.
template <class Change>
bool modify(const QString& path, Change change) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(10000)) return false;
    std::optional<Document> doc = readDocument(path);
    if (!doc) {
        // Keep what could not be read, so nothing the player had is lost for good.
        QString backup = path + QStringLiteral(".damaged");
        for (int n = 2; QFile::exists(backup); ++n) backup = path + QStringLiteral(".damaged%1").arg(n);
        if (!QFile::copy(path, backup)) return false;
        doc = Document{};
    }
    change(*doc);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(render(*doc));
    return out.commit();
}

std::unique_ptr<SettingsStore>& store() {
    static std::unique_ptr<SettingsStore> s = std::make_unique<SettingsStore>(defaultSettingsPath());
    return s;
}

}  // namespace

QString SettingsStore::get(const QString& app, const QString& section, const QString& key, const QString& def) const {
    std::optional<Document> doc = readDocument(path_);
    if (!doc) return def;
    Section* s = findSection(*doc, sectionName(app, section));
    if (!s) return def;
    QString k = fold(key);
    for (const auto& [name, value] : s->entries)
        if (name == k) return value;
    return def;
}

bool SettingsStore::save(const QString& app, const QString& section, const QString& key, const QString& value) {
    // An entry needs a name: one written without would make the file unreadable.
    if (key.isEmpty()) return false;
    return modify(path_, [&](Document& doc) {
        QString name = sectionName(app, section);
        Section* s = findSection(doc, name);
        if (!s) {
            doc.push_back(Section{name, {}});
            s = &doc.back();
        }
        QString k = fold(key);
        for (auto& [n, v] : s->entries)
            if (n == k) {
                v = value;
                return;
            }
        s->entries.emplace_back(k, value);
    });
}

bool SettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    return modify(path_, [&](Document& doc) {
        Section* s = findSection(doc, sectionName(app, section));
        if (!s) return;
        if (key.isEmpty())
            s->entries.clear();
        else
            std::erase_if(s->entries, [k = fold(key)](const auto& e) { return e.first == k; });
    });
}

bool SettingsStore::damaged() const { return !readDocument(path_).has_value(); }

QString defaultSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/vantrax/settings.ini");
}

SettingsStore& settings() { return *store(); }

void setSettingsPath(const QString& path) { store() = std::make_unique<SettingsStore>(path); }

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& def) {
    return settings().get(app, section, key, def);
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) {
    settings().save(app, section, key, value);
}

void DeleteSetting(const QString& app, const QString& section, const QString& key) { settings().remove(app, section, key); }

}  // namespace host
