// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/local_file_system.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

} // namespace

bool LocalFileSystem::fileExists(const QString &path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

std::optional<QByteArray> LocalFileSystem::readFile(const QString &path, qsizetype maxBytes) {
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    QByteArray content;
    content.reserve(qsizetype(std::min<qint64>(status.st_size, maxBytes)));
    char chunk[64 * 1024];
    while (content.size() < maxBytes) {
        const auto wanted = std::min<qsizetype>(sizeof chunk, maxBytes - content.size());
        const ssize_t got = ::read(file.get(), chunk, size_t(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        content.append(chunk, got);
    }
    return content;
}
