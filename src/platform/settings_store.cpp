#include "platform/settings_store.h"

#include "platform/settings_file.h"
#include "platform/settings_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace host {

using ini::Document;
using ini::Fold;
using ini::Section;
namespace io = settings_io;

namespace {

// A write by another running copy takes milliseconds; this only ends a wait
// for one that hangs.
constexpr int kLockWaitMs = 5000;

QString sectionName(const QString& app, const QString& section) {
    return Fold(app) + QLatin1Char('\\') + Fold(section);
}

struct Loaded {
    Document doc;
    SettingsFailure problem;
    bool keepable = false;  // a damaged regular file, kept as a copy before it is replaced
};

Loaded load(const QString& path) {
    Loaded l;
    io::FileRead r = io::ReadSettingsFile(path);
    l.problem = r.problem;
    l.keepable = r.regular;
    if (l.problem.failed()) return l;
    if (auto bad = ini::Parse(r.bytes, l.doc)) {
        QString text = bad->text.trimmed();
        if (text.size() > 40) text = text.left(40) + QStringLiteral("…");
        l.problem = SettingsFailure{QStringLiteral("設定ファイルの %1 行目が読み取れません").arg(bad->line),
                                    QStringLiteral("「%1」").arg(text), QDir::toNativeSeparators(path)};
        l.doc.clear();
    }
    return l;
}

void change(Document& doc, const SettingsBatch::Change& c) {
    const QString name = sectionName(c.app, c.section);
    Section* s = ini::FindSection(doc, name);
    if (c.remove) {
        if (!s) return;
        if (c.key.isEmpty())
            s->entries.clear();
        else
            std::erase_if(s->entries, [k = Fold(c.key)](const auto& e) { return e.first == k; });
        return;
    }
    if (!s) {
        doc.push_back(Section{name, {}});
        s = &doc.back();
    }
    const QString k = Fold(c.key);
    for (auto& [n, v] : s->entries)
        if (n == k) {
            v = c.value;
            return;
        }
    s->entries.emplace_back(k, c.value);
}

std::unique_ptr<SettingsStore>& store() {
    static std::unique_ptr<SettingsStore> s = std::make_unique<SettingsStore>(defaultSettingsPath());
    return s;
}

}  // namespace

QString SettingsFailure::text() const {
    QString t = what;
    if (!reason.isEmpty()) t += reason.startsWith(QStringLiteral("「")) ? reason : QStringLiteral("（%1）").arg(reason);
    return path.isEmpty() ? t : t + QLatin1Char('\n') + path;
}

// The last reading of the file and what it looked like on disk then: reads
// between two changes of the file cost one stat, not a parse.
struct SettingsStore::Cache {
    io::Stamp stamp;
    Loaded loaded;
};

SettingsBatch& SettingsBatch::save(const QString& app, const QString& section, const QString& key,
                                   const QString& value) {
    changes.push_back({false, app, section, key, value});
    return *this;
}

SettingsBatch& SettingsBatch::remove(const QString& app, const QString& section, const QString& key) {
    changes.push_back({true, app, section, key, {}});
    return *this;
}

SettingsBatch& SettingsBatch::keepCopy(const QString& suffix) {
    copySuffix = suffix;
    return *this;
}

SettingsStore::SettingsStore(QString path) : path_(std::move(path)) {}
SettingsStore::~SettingsStore() = default;

const SettingsStore::Cache& SettingsStore::current() const {
    const io::Stamp now = io::StampOf(path_);
    if (!cache_ || !(cache_->stamp == now) || !now.exists) {
        auto c = std::make_unique<Cache>();
        c->loaded = load(path_);
        // The stamp of the moment before reading: a change while reading
        // shows as a different stamp next time and is read again.
        c->stamp = now;
        cache_ = std::move(c);
    }
    return *cache_;
}

QString SettingsStore::get(const QString& app, const QString& section, const QString& key, const QString& def) const {
    const Cache& c = current();
    const QString name = sectionName(app, section);
    for (const Section& s : c.loaded.doc) {
        if (s.name != name) continue;
        const QString k = Fold(key);
        for (const auto& [n, value] : s.entries)
            if (n == k) return value;
    }
    return def;
}

bool SettingsStore::save(const QString& app, const QString& section, const QString& key, const QString& value) {
    return apply(SettingsBatch().save(app, section, key, value));
}

bool SettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    return apply(SettingsBatch().remove(app, section, key));
}

bool SettingsStore::apply(const SettingsBatch& batch) {
    lastFailure_ = {};
    lastCopy_.clear();
    for (const SettingsBatch::Change& c : batch.changes)
        // An entry needs a name: one written without would make the file unreadable.
        if (!c.remove && c.key.isEmpty()) {
            lastFailure_ = {QStringLiteral("名前のない設定は保存できません"), {}, QDir::toNativeSeparators(path_)};
            return false;
        }
    const bool ok = write(batch);
    cache_.reset();
    return ok;
}

bool SettingsStore::write(const SettingsBatch& batch) {
    int err = 0;
    const QString folder = QFileInfo(path_).absolutePath();
    if (!io::MakeFolders(folder, err)) {
        lastFailure_ = {QStringLiteral("設定ファイルのフォルダーを作れません"), io::ReasonText(err),
                        QDir::toNativeSeparators(folder)};
        return false;
    }
    io::FileLock lock(path_ + QStringLiteral(".lock"));
    if (!lock.acquire(kLockWaitMs, lastFailure_)) return false;
    io::RemoveLeftovers(path_);

    // A player who made the file read-only meant it to stay as it is.
    if (QFileInfo(path_).isFile() && ::access(QFile::encodeName(path_).constData(), W_OK) != 0) {
        lastFailure_ = {QStringLiteral("設定ファイルに書き込めません"), io::ReasonText(errno),
                        QDir::toNativeSeparators(path_)};
        return false;
    }
    Loaded now = load(path_);
    if (now.problem.failed()) {
        const QFileInfo there(path_);
        if (now.keepable) {
            if (!io::KeepCopy(path_, QStringLiteral("damaged"), lastCopy_, lastFailure_)) return false;
        } else if (there.isDir() && !there.isSymLink()) {
            // A folder may hold anything of the player's: theirs to sort out.
            lastFailure_ = now.problem;
            return false;
        } else if (!io::MoveAside(path_, QStringLiteral("damaged"), lastCopy_, lastFailure_)) {
            return false;
        }
        now.doc.clear();
    } else if (!batch.copySuffix.isEmpty() && io::StampOf(path_).exists) {
        if (!io::KeepCopy(path_, batch.copySuffix, lastCopy_, lastFailure_)) return false;
    }
    for (const SettingsBatch::Change& c : batch.changes) change(now.doc, c);

    // A store reached through a link stays a link: the file it points to is replaced.
    QString target = path_;
    const QFileInfo info(path_);
    if (info.isSymLink() && info.isFile()) target = info.canonicalFilePath();
    return io::ReplaceFile(target, ini::Render(now.doc), lastFailure_);
}

bool SettingsStore::damaged() const {
    return current().loaded.problem.failed();
}

SettingsFailure SettingsStore::problem() const {
    return current().loaded.problem;
}

void SettingsStore::cleanUp() {
    if (!QFileInfo(path_).absoluteDir().exists()) return;
    io::FileLock lock(path_ + QStringLiteral(".lock"));
    SettingsFailure ignored;
    // A copy that is writing right now holds the lock; its file is not left over.
    if (lock.acquire(0, ignored)) io::RemoveLeftovers(path_);
}

QString defaultSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vantrax/settings.ini");
}

SettingsStore& settings() {
    return *store();
}

void setSettingsPath(const QString& path) {
    store() = std::make_unique<SettingsStore>(path);
}

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& def) {
    return settings().get(app, section, key, def);
}

bool SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) {
    return settings().save(app, section, key, value);
}

bool DeleteSetting(const QString& app, const QString& section, const QString& key) {
    return settings().remove(app, section, key);
}

bool SaveSettings(const SettingsBatch& batch) {
    return settings().apply(batch);
}

QString SettingsError() {
    return settings().lastError();
}

const SettingsFailure& LastSettingsFailure() {
    return settings().lastFailure();
}

}  // namespace host
