#pragma once
// The per-user settings store: texts addressed by application, section and key,
// all names case-insensitive. It lives in one INI file in the user's config
// folder. Every write re-reads the file under a lock and replaces it atomically,
// so a crash leaves the old or the new content and two running copies of the
// game do not lose each other's changes.
#include <QString>

namespace host {

class SettingsStore {
public:
    explicit SettingsStore(QString path) : path_(std::move(path)) {}

    QString get(const QString& app, const QString& section, const QString& key, const QString& def = {}) const;
    bool save(const QString& app, const QString& section, const QString& key, const QString& value);
    // Removes one entry, or the whole section when `key` is empty.
    bool remove(const QString& app, const QString& section, const QString& key = {});
    // True when the file exists but cannot be parsed at all. The first write
    // then keeps it beside the store as "<name>.damaged" before starting afresh.
    bool damaged() const;
    const QString& path() const { return path_; }

private:
    QString path_;
};

// The store of this user: $XDG_CONFIG_HOME/vantrax/settings.ini.
SettingsStore& settings();
QString defaultSettingsPath();
// Points the store elsewhere (tests use a temporary folder).
void setSettingsPath(const QString& path);

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& def = {});
void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);
void DeleteSetting(const QString& app, const QString& section, const QString& key = {});

}  // namespace host
