#include "safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace suite {

namespace {

// The most a rewrite in place keeps aside to put back should it fail half-way; the suite's
// files are a few lines long.
constexpr qint64 kMaxInPlace = 1024 * 1024;

std::function<StepOutcome(WriteStep)>& Hook()
{
    static std::function<StepOutcome(WriteStep)> hook;
    return hook;
}

// Thrown by a step told to stop dead: nothing after it runs, not even the clean-up.
struct Killed {};

// Runs one step of a write; false, with errno set, when it failed.
template <class Action>
bool Step(WriteStep step, Action&& action)
{
    if (const auto& hook = Hook()) {
        switch (hook(step)) {
        case StepOutcome::Proceed: break;
        case StepOutcome::NoSpace: errno = ENOSPC; return false;
        case StepOutcome::NoAccess: errno = EACCES; return false;
        case StepOutcome::Die: throw Killed{};
        }
    }
    return action();
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    void Reset(int fd)
    {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_;
};

bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

std::optional<QByteArray> ReadAll(int fd, qint64 limit)
{
    QByteArray contents;
    char chunk[4096];
    while (contents.size() < limit) {
        const ssize_t n = ::pread(fd, chunk, size_t(std::min<qint64>(sizeof chunk, limit - contents.size())),
                                  off_t(contents.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        contents.append(chunk, n);
    }
    return contents;
}

// The rename is on disk only once the folder is; a failure here loses nothing already written.
void SyncFolder(const QString& path)
{
    const Fd folder(::open(QFile::encodeName(QFileInfo(path).path()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder) ::fsync(folder.get());
}

// A fresh file beside `path`, made by us alone: it cannot be a link or anyone else's file.
Fd CreateTemp(const QString& path, QByteArray& name)
{
    const QFileInfo info(path);
    const QByteArray prefix = QFile::encodeName(info.path() + QStringLiteral("/.") + info.fileName()) + '.';
    Fd fd;
    Step(WriteStep::CreateTemp, [&] {
        for (int attempt = 0; attempt < 100; ++attempt) {
            name = prefix + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
            // A new file's permission bits are those of any file the program creates.
            fd.Reset(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
            if (fd || errno != EEXIST) break;
        }
        return bool(fd);
    });
    return fd;
}

// Rewrites a regular file in a folder that takes no new file. It is never cut before the new
// content is in: padded with blank lines to the old length, so at no moment does the new
// content run on into the end of the old, and cut to length after.
bool RewriteInPlace(const QByteArray& name, const QByteArray& bytes)
{
    Fd fd;
    if (!Step(WriteStep::OpenInPlace, [&] {
            fd.Reset(::open(name.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
            return bool(fd);
        }))
        return false;
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxInPlace) return false;
    const std::optional<QByteArray> old = ReadAll(fd.get(), kMaxInPlace);
    if (!old) return false;
    QByteArray padded = bytes;
    if (padded.size() < old->size()) padded.append(old->size() - padded.size(), '\n');
    const bool written =
        Step(WriteStep::WriteInPlace, [&] { return WriteAll(fd.get(), padded); }) &&
        Step(WriteStep::SyncInPlace, [&] { return ::fdatasync(fd.get()) == 0; }) &&
        Step(WriteStep::Truncate, [&] { return ::ftruncate(fd.get(), off_t(bytes.size())) == 0; }) &&
        Step(WriteStep::SyncTruncated, [&] { return ::fsync(fd.get()) == 0; });
    if (written) return true;
    // The old content goes back over what got in: it fitted there before.
    if (WriteAll(fd.get(), *old) && ::ftruncate(fd.get(), off_t(old->size())) == 0) ::fsync(fd.get());
    return false;
}

bool Replace(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    bool regular = false;
    if (::lstat(name.constData(), &st) == 0) {
        regular = S_ISREG(st.st_mode);
        // A folder, a pipe, a device or a socket is not ours to replace.
        if (!regular && !S_ISLNK(st.st_mode)) return false;
    } else if (errno != ENOENT) {
        return false;
    }
    // Brenvale rewrites the same value at every start; a rewrite costs a sync to disk.
    if (regular && ReadRegularFile(path, bytes.size() + 1) == bytes) return true;
    // A file closed to writing (a choice a teacher locked) keeps its content, as opening it
    // for writing would find; the rename below would not ask.
    if (regular && ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0) return false;

    QByteArray temp;
    Fd fd = CreateTemp(path, temp);
    if (!fd) {
        // A folder closed to new files may still hold a file open to writing; never a link.
        if (regular && (errno == EACCES || errno == EPERM)) return RewriteInPlace(name, bytes);
        return false;
    }
    const bool written =
        (!regular || ::fchmod(fd.get(), st.st_mode & 07777) == 0) &&
        Step(WriteStep::Write, [&] { return WriteAll(fd.get(), bytes); }) &&
        Step(WriteStep::Sync, [&] { return ::fsync(fd.get()) == 0; }) &&
        Step(WriteStep::Close, [&] { return fd.Close(); }) &&
        // Renaming over the name replaces whatever the name is, a link included.
        Step(WriteStep::Rename, [&] { return ::rename(temp.constData(), name.constData()) == 0; });
    if (!written) {
        fd.Reset(-1);
        ::unlink(temp.constData());
        return false;
    }
    SyncFolder(path);
    return true;
}

}  // namespace

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    // Should a pipe take the file's place after that look, opening it still does not wait.
    const Fd fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return ReadAll(fd.get(), limit);
}

bool ReplaceFile(const QString& path, const QByteArray& bytes)
{
    try {
        return Replace(path, bytes);
    } catch (const Killed&) {
        return false;
    }
}

void SetWriteStepHook(std::function<StepOutcome(WriteStep)> hook) { Hook() = std::move(hook); }

}  // namespace suite
