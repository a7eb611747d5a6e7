#pragma once
// The per-user settings store: texts addressed by application, section and key,
// all names case-insensitive. It lives in one INI file in the user's config
// folder. Every write re-reads the file under a lock and replaces it atomically,
// so a crash leaves the old or the new content and two running copies of the
// game do not lose each other's changes. A write that fails says why, so the
// game can tell the player instead of losing a setting without a word.
#include <QString>
#include <memory>
#include <vector>

namespace host {

// Why a write failed, or why the file cannot be read as the store.
struct SettingsFailure {
    QString what;    // what could not be done
    QString reason;  // why, in a few words; may be empty
    QString path;    // the file or folder concerned, as the system shows it
    bool failed() const { return !what.isEmpty(); }
    // The reason, or what went wrong when no reason is known.
    QString cause() const { return reason.isEmpty() ? what : reason; }
    // "what（reason）" and the path on a line of its own.
    QString text() const;
};

// Several changes that reach the file together, in one replace: a kill at
// any moment leaves all of them or none.
class SettingsBatch {
public:
    SettingsBatch& save(const QString& app, const QString& section, const QString& key, const QString& value);
    // One entry, or the whole section when `key` is empty.
    SettingsBatch& remove(const QString& app, const QString& section, const QString& key = {});
    // Keeps the file as it was beside it, as "<file>.<suffix>" (numbered when
    // that name is taken), before the changes are written. Without the copy
    // nothing is written.
    SettingsBatch& keepCopy(const QString& suffix);

    struct Change {
        bool remove = false;
        QString app, section, key, value;
    };
    std::vector<Change> changes;
    QString copySuffix;
};

class SettingsStore {
public:
    explicit SettingsStore(QString path);
    ~SettingsStore();

    QString get(const QString& app, const QString& section, const QString& key, const QString& def = {}) const;
    // Each is false when nothing was written; lastError() then says why.
    bool save(const QString& app, const QString& section, const QString& key, const QString& value);
    bool remove(const QString& app, const QString& section, const QString& key = {});
    bool apply(const SettingsBatch& batch);

    // True when something is at the store's place that cannot be read as the
    // store: a file that cannot be parsed, a folder, a device, a file far too
    // large. The first write then keeps it beside the store as
    // "<name>.damaged" (a copy of a file; anything else but a folder is moved
    // there) before starting afresh. A folder makes every write fail.
    bool damaged() const;
    // What is wrong with it, naming the file (and the line for a parse
    // error); not failed() when the store reads fine.
    SettingsFailure problem() const;
    // Why the last write failed; not failed() after a write that worked.
    const SettingsFailure& lastFailure() const { return lastFailure_; }
    QString lastError() const { return lastFailure_.failed() ? lastFailure_.text() : QString(); }
    // The copy the last write kept (keepCopy or a damaged file), or empty.
    QString lastCopy() const { return lastCopy_; }
    // Removes the temporary files of writes that were cut off by a kill.
    void cleanUp();
    const QString& path() const { return path_; }

    struct Cache;

private:
    bool write(const SettingsBatch& batch);
    const Cache& current() const;

    QString path_;
    SettingsFailure lastFailure_;
    QString lastCopy_;
    mutable std::unique_ptr<Cache> cache_;
};

// The store of this user: $XDG_CONFIG_HOME/vantrax/settings.ini.
SettingsStore& settings();
QString defaultSettingsPath();
// Points the store elsewhere (tests use a temporary folder).
void setSettingsPath(const QString& path);

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& def = {});
// False when the value could not be written; SettingsError() says why.
bool SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);
bool DeleteSetting(const QString& app, const QString& section, const QString& key = {});
bool SaveSettings(const SettingsBatch& batch);
// Why the last write of the user's store failed, in a few words and the path
// of the file; empty after a write that worked.
QString SettingsError();
const SettingsFailure& LastSettingsFailure();

}  // namespace host
