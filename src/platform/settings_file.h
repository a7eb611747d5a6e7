#pragma once
// The settings file on disk: reading it with a look at what it is first,
// replacing it atomically, the lock that keeps two running copies of the game
// apart, and a reason in words for every way this can fail.
#include "platform/settings_store.h"

#include <sys/types.h>
#include <QByteArray>
#include <QString>
#include <ctime>

namespace host::settings_io {

// Far beyond what options, eight slots and two records need. A file larger
// than this is not ours, and reading it would stall the start.
inline constexpr qint64 kMaxSettingsBytes = 1 << 20;

// Enough to tell whether the file changed since it was last read: every write
// of the store makes a new file, and a hand edit changes the time or size.
struct Stamp {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
    timespec ctime{};
    bool operator==(const Stamp& o) const;
};

Stamp StampOf(const QString& path);

struct FileRead {
    Stamp stamp;
    QByteArray bytes;
    // Why the file cannot be used as the store; not failed() when it was
    // read or is absent.
    SettingsFailure problem;
    // A regular file whose bytes were read (and so can be kept as a copy).
    bool regular = false;
};
// Absent (or under a folder that is not there) reads as an empty store.
FileRead ReadSettingsFile(const QString& path);

// A few Japanese words for an errno value.
QString ReasonText(int err);

// Creates the folder and its parents. False with errno's value in `err`.
bool MakeFolders(const QString& dir, int& err);

// An advisory lock on "<file>.lock". The system lets go of it when its owner
// ends in any way, so a kill never leaves a lock that others must wait out.
class FileLock {
public:
    explicit FileLock(const QString& lockPath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // Waits at most `ms` for another running copy to finish its write.
    bool acquire(int ms, SettingsFailure& error);

private:
    QString path_;
    int fd_ = -1;
};

// Writes "<target>.XXXXXX", flushes it to disk and renames it over the target.
bool ReplaceFile(const QString& target, const QByteArray& bytes, SettingsFailure& error);
// Keeps the current file as "<path>.<suffix>" (or "<suffix>2", ...), as a
// second name of the same file where the system allows it.
bool KeepCopy(const QString& path, const QString& suffix, QString& copyPath, SettingsFailure& error);
// Moves what stands at the store's place and is no file (a pipe, a device, a
// link to one) aside as "<path>.<suffix>" (numbered when taken), so a fresh
// file can take its place and nothing is thrown away.
bool MoveAside(const QString& path, const QString& suffix, QString& movedTo, SettingsFailure& error);
// Removes "<path>.XXXXXX" files: what a write left when it was killed. Only
// call it while holding the lock, when no write of ours is under way.
void RemoveLeftovers(const QString& path);

}  // namespace host::settings_io
