#include "platform/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace host::settings_io {

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

SettingsFailure failure(const QString& what, int err, const QString& path) {
    return SettingsFailure{what, err ? ReasonText(err) : QString(), QDir::toNativeSeparators(path)};
}

// The file is there but is not one the store can use. The causes stay short:
// the guide's message window has room for one line of them.
SettingsFailure cannotUse(const QString& why, const QString& path) {
    return SettingsFailure{QStringLiteral("設定ファイルを使えません"), why, QDir::toNativeSeparators(path)};
}

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

Stamp stampFrom(const struct stat& st) {
    Stamp s;
    s.exists = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtime = st.st_mtim;
    s.ctime = st.st_ctim;
    return s;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// A copy by bytes, for file systems that have no second names.
bool copyBytes(const QString& from, const QString& to, int& err) {
    const int in = ::open(native(from).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) {
        err = errno;
        return false;
    }
    const int out = ::open(native(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        err = errno;
        ::close(in);
        return false;
    }
    char buf[65536];
    bool ok = true;
    for (;;) {
        ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (!writeAll(out, buf, static_cast<size_t>(n))) {
            ok = false;
            break;
        }
    }
    if (!ok) err = errno;
    if (ok && ::fsync(out) != 0) {
        err = errno;
        ok = false;
    }
    ::close(in);
    if (::close(out) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (!ok) ::unlink(native(to).constData());
    return ok;
}

void syncFolder(const QString& dir) {
    const int fd = ::open(native(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool Stamp::operator==(const Stamp& o) const {
    if (exists != o.exists) return false;
    return !exists ||
           (dev == o.dev && ino == o.ino && size == o.size && sameTime(mtime, o.mtime) && sameTime(ctime, o.ctime));
}

Stamp StampOf(const QString& path) {
    struct stat st;
    if (::stat(native(path).constData(), &st) != 0) return Stamp{};
    return stampFrom(st);
}

QString ReasonText(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
            return QStringLiteral("許可がありません");
        case EROFS:
            return QStringLiteral("読み取り専用の場所です");
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("ディスクに空きがありません");
        case EFBIG:
            return QStringLiteral("ファイルの大きさの上限を超えました");
        case ENOENT:
            return QStringLiteral("フォルダーがありません");
        case ENOTDIR:
            return QStringLiteral("フォルダーの場所にファイルがあります");
        case EISDIR:
            return QStringLiteral("同じ名前のフォルダーがあります");
        case EIO:
            return QStringLiteral("ディスクの読み書きに失敗しました");
        default:
            return QStringLiteral("エラー %1: %2").arg(err).arg(QString::fromLocal8Bit(std::strerror(err)));
    }
}

FileRead ReadSettingsFile(const QString& path) {
    FileRead r;
    struct stat st;
    if (::stat(native(path).constData(), &st) != 0) {
        const int err = errno;
        // Nothing there (or no folder to hold it): an empty store.
        if (err != ENOENT && err != ENOTDIR)
            r.problem = failure(QStringLiteral("設定ファイルを調べられません"), err, path);
        return r;
    }
    r.stamp = stampFrom(st);
    if (S_ISDIR(st.st_mode)) {
        r.problem = cannotUse(QStringLiteral("同じ名前のフォルダーがあります"), path);
        return r;
    }
    if (!S_ISREG(st.st_mode)) {
        r.problem = cannotUse(QStringLiteral("普通のファイルではありません"), path);
        return r;
    }
    const SettingsFailure tooLarge =
        cannotUse(QStringLiteral("大きすぎます（上限は %1 KB）").arg(kMaxSettingsBytes / 1024), path);
    if (st.st_size > kMaxSettingsBytes) {
        r.problem = tooLarge;
        r.regular = true;
        return r;
    }
    // Without blocking: what was a file a moment ago may have become a pipe.
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        r.problem = failure(QStringLiteral("設定ファイルを読めません"), errno, path);
        return r;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        r.problem = cannotUse(QStringLiteral("普通のファイルではありません"), path);
        return r;
    }
    r.stamp = stampFrom(st);
    r.bytes.resize(static_cast<qsizetype>(kMaxSettingsBytes) + 1);
    qsizetype got = 0;
    for (;;) {
        ssize_t n = ::read(fd, r.bytes.data() + got, static_cast<size_t>(r.bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            r.problem = failure(QStringLiteral("設定ファイルを読めません"), errno, path);
            break;
        }
        if (n == 0 || (got += n) == r.bytes.size()) break;
    }
    ::close(fd);
    r.bytes.truncate(got);
    r.regular = true;
    if (!r.problem.failed() && got > kMaxSettingsBytes) r.problem = tooLarge;
    return r;
}

bool MakeFolders(const QString& dir, int& err) {
    const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
    struct stat st;
    if (::stat(native(clean).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return true;
        err = ENOTDIR;
        return false;
    }
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !MakeFolders(parent, err)) return false;
    if (::mkdir(native(clean).constData(), 0700) != 0 && errno != EEXIST) {
        err = errno;
        return false;
    }
    return true;
}

FileLock::FileLock(const QString& lockPath) : path_(lockPath) {}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
}

bool FileLock::acquire(int ms, SettingsFailure& error) {
    fd_ = ::open(native(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        error = failure(QStringLiteral("設定ファイルを書き換える準備ができません"), errno, path_);
        return false;
    }
    constexpr int kStepMs = 5;
    for (int waited = 0;; waited += kStepMs) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) break;
        const int err = errno;
        // A file system without locks: better one unguarded write than none.
        if (err == ENOLCK || err == EOPNOTSUPP) return true;
        if (err != EWOULDBLOCK && err != EINTR) {
            error = failure(QStringLiteral("設定ファイルを書き換える準備ができません"), err, path_);
            return false;
        }
        if (waited >= ms) {
            error = {QStringLiteral("設定ファイルを書き換えられません"), QStringLiteral("ほかの Vantrax が使用中です"),
                     QDir::toNativeSeparators(path_)};
            return false;
        }
        const timespec step{0, kStepMs * 1000000L};
        ::nanosleep(&step, nullptr);
    }
    // Who holds it, for a person who looks; the lock itself is the system's.
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    if (::ftruncate(fd_, 0) == 0) (void)!::pwrite(fd_, pid.constData(), static_cast<size_t>(pid.size()), 0);
    return true;
}

bool ReplaceFile(const QString& target, const QByteArray& bytes, SettingsFailure& error) {
    const QString what = QStringLiteral("設定ファイルに書き込めません");
    QByteArray temp = native(target) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        error = failure(what, errno, target);
        return false;
    }
    // The new file keeps the permissions the player gave the old one.
    struct stat st;
    if (::stat(native(target).constData(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
    int err = 0;
    if (!writeAll(fd, bytes.constData(), static_cast<size_t>(bytes.size())) || ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.constData(), native(target).constData()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.constData());
        error = failure(what, err, target);
        return false;
    }
    syncFolder(QFileInfo(target).path());
    return true;
}

bool KeepCopy(const QString& path, const QString& suffix, QString& copyPath, SettingsFailure& error) {
    for (int n = 1; n < 1000; ++n) {
        copyPath = path + QLatin1Char('.') + suffix + (n > 1 ? QString::number(n) : QString());
        // Following a link: the copy must hold the file, not a second link to it.
        if (::linkat(AT_FDCWD, native(path).constData(), AT_FDCWD, native(copyPath).constData(), AT_SYMLINK_FOLLOW) ==
            0)
            return true;
        int err = errno;
        if (err == EEXIST) continue;
        if (err == EPERM || err == EXDEV || err == EMLINK || err == ENOTSUP) {
            if (copyBytes(path, copyPath, err)) return true;
            if (err == EEXIST) continue;
        }
        error = failure(QStringLiteral("今の設定ファイルの控えを作れません"), err, copyPath);
        return false;
    }
    error = failure(QStringLiteral("今の設定ファイルの控えを作れません"), EEXIST, copyPath);
    return false;
}

bool MoveAside(const QString& path, const QString& suffix, QString& movedTo, SettingsFailure& error) {
    int err = EEXIST;
    for (int n = 1; n < 1000 && err == EEXIST; ++n) {
        movedTo = path + QLatin1Char('.') + suffix + (n > 1 ? QString::number(n) : QString());
        if (::renameat2(AT_FDCWD, native(path).constData(), AT_FDCWD, native(movedTo).constData(), RENAME_NOREPLACE) ==
            0)
            return true;
        err = errno;
    }
    error = failure(QStringLiteral("設定ファイルの場所にあるものを移せません"), err, path);
    return false;
}

void RemoveLeftovers(const QString& path) {
    const QFileInfo info(path);
    const QDir dir = info.dir();
    // The six letters and digits that mkstemp (and QSaveFile before it) adds.
    static const QRegularExpression temp(QStringLiteral("^[A-Za-z0-9]{6}$"));
    const QString prefix = info.fileName() + QLatin1Char('.');
    for (const QString& name :
         dir.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System))
        if (temp.match(QStringView(name).sliced(prefix.size())).hasMatch())
            ::unlink(native(dir.filePath(name)).constData());
}

}  // namespace host::settings_io
