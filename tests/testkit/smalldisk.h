#pragma once
// A tiny file system to fill to the last byte, for what the programs do on a full disk. Only
// root may mount one; without it a test skips and says why.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace suite::testing {

class SmallDisk {
public:
    // Mounts a 64 KiB tmpfs on `folder`, which is made when missing.
    explicit SmallDisk(const QString& folder) : folder_(QFile::encodeName(folder))
    {
        if (::geteuid() != 0) {
            error_ = "needs root to mount a small tmpfs";
            return;
        }
        QDir().mkpath(folder);
        if (::mount("tmpfs", folder_.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0755") != 0) {
            error_ = std::string("cannot mount a small tmpfs: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk()
    {
        // Detached at once even while a test still stands in it.
        if (mounted_) ::umount2(folder_.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Error() const { return error_; }

    // Takes every byte still free with one file; true once the disk refuses more.
    bool Fill() const
    {
        const QByteArray name = folder_ + "/ballast";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        static const char chunk[4096] = {};
        for (size_t size : {sizeof chunk, size_t(1)}) {
            while (::write(fd, chunk, size) > 0) {
            }
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
    std::string error_;
};

}  // namespace suite::testing
