// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/SettingsFile.h"

#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>

namespace orbelle::platform {

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.release();
    }
    return *this;
}

Descriptor::~Descriptor() {
    if (m_fd >= 0)
        ::close(m_fd);
}

int Descriptor::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The entry `name` in the folder, looked at without following a symlink.
bool entryIs(int folder, const QByteArray& name, const struct stat& expected) {
    struct stat entry {};
    return ::fstatat(folder, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(entry.st_mode) &&
           sameFile(entry, expected);
}

bool entryIsAbsent(int folder, const QByteArray& name) {
    struct stat entry {};
    return ::fstatat(folder, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT;
}

// A rename that the filesystem or kernel does not offer, as opposed to one that failed.
bool unsupported(int error) {
    return error == EINVAL || error == ENOSYS;
}

bool writeWhole(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Reads to the end of the file, and no further than one byte past `largest`.
bool readWhole(int fd, qint64 expected, qint64 largest, QByteArray& contents) {
    contents.resize(qsizetype(largest) + 1);
    qsizetype got = 0;
    for (;;) {
        const ssize_t count = ::read(fd, contents.data() + got, size_t(contents.size() - got));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            break;
        got += count;
        if (got > largest)
            return false;
    }
    contents.truncate(got);
    // Fewer bytes than the file held when it was opened is a read cut short.
    return got >= expected;
}

} // namespace

// Where the new file goes: the folder of the regular file that was read, which for a
// symlink is its target's.
struct SettingsFile::Target {
    Descriptor owned;
    int folder = -1;
    QByteArray name;
};

SettingsFile::SettingsFile(const QByteArray& folder, const QByteArray& name, qint64 largest)
    : m_name(name) {
    m_folder = Descriptor(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!m_folder.isOpen()) {
        m_state = errno == ENOENT ? State::Missing : State::Unusable;
        return;
    }
    // A first look opens nothing, so that a FIFO or device standing at the path is not
    // even opened; the descriptor then decides, as the path may change in between.
    struct stat seen {};
    if (::fstatat(m_folder.get(), name.constData(), &seen, 0) != 0) {
        // A symlink that leads nowhere is not followed: a write would create its target.
        m_state = errno == ENOENT && entryIsAbsent(m_folder.get(), name) ? State::Missing : State::Unusable;
        return;
    }
    if (!S_ISREG(seen.st_mode) || seen.st_size > largest)
        return;
    m_file = Descriptor(::openat(m_folder.get(), name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!m_file.isOpen() || ::fstat(m_file.get(), &m_read) != 0 || !S_ISREG(m_read.st_mode) ||
        m_read.st_size > largest || !readWhole(m_file.get(), m_read.st_size, largest, m_contents)) {
        m_contents.clear();
        return;
    }
    struct stat entry {};
    m_throughSymlink =
        ::fstatat(m_folder.get(), name.constData(), &entry, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(entry.st_mode);
    m_state = State::Read;
}

bool SettingsFile::replace(const QByteArray& bytes) {
    if (m_state == State::Unusable || !m_folder.isOpen())
        return false;
    Target target;
    target.folder = m_folder.get();
    target.name = m_name;
    if (m_state == State::Read && m_throughSymlink) {
        // The kernel names the file the descriptor holds, however many links led there.
        std::array<char, 4096> resolved{};
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_file.get());
        const ssize_t length = ::readlink(self.constData(), resolved.data(), resolved.size() - 1);
        if (length <= 0 || resolved[0] != '/')
            return false;
        const QByteArray path(resolved.data(), length);
        const qsizetype slash = path.lastIndexOf('/');
        target.owned =
            Descriptor(::open(slash == 0 ? "/" : path.first(slash).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        target.folder = target.owned.get();
        target.name = path.sliced(slash + 1);
        if (!target.owned.isOpen())
            return false;
    }
    if (m_state == State::Read ? !entryIs(target.folder, target.name, m_read)
                               : !entryIsAbsent(target.folder, target.name))
        return false;

    // The new copy: <name>.XXXXXX, six letters, as earlier versions named theirs.
    QByteArray temporary;
    Descriptor copy;
    for (int attempt = 0; attempt < 16 && !copy.isOpen(); ++attempt) {
        temporary = target.name + '.';
        for (int letter = 0; letter < 6; ++letter) {
            const int pick = int(QRandomGenerator::global()->bounded(52));
            temporary += char(pick < 26 ? 'a' + pick : 'A' + pick - 26);
        }
        copy = Descriptor(::openat(target.folder, temporary.constData(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                   m_state == State::Read ? 0600 : 0666));
        if (!copy.isOpen() && errno != EEXIST)
            return false;
    }
    if (!copy.isOpen())
        return false;
    const auto discard = [&] {
        ::unlinkat(target.folder, temporary.constData(), 0);
        return false;
    };
    const bool permissions = m_state != State::Read || ::fchmod(copy.get(), m_read.st_mode & 07777) == 0;
    if (!permissions || !writeWhole(copy.get(), bytes) || ::fsync(copy.get()) != 0)
        return discard();
    // close() is where a network filesystem reports a write that failed.
    if (::close(copy.release()) != 0)
        return discard();

    const int folder = target.folder;
    const char* from = temporary.constData();
    const char* to = target.name.constData();
    if (m_state == State::Missing) {
        // Whatever appeared at the path meanwhile is not replaced.
        if (::renameat2(folder, from, folder, to, RENAME_NOREPLACE) != 0) {
            if (!unsupported(errno) || !entryIsAbsent(folder, target.name) || ::renameat(folder, from, folder, to) != 0)
                return discard();
        }
    } else if (::renameat2(folder, from, folder, to, RENAME_EXCHANGE) == 0) {
        // The swap put the old entry under the temporary name: it must be the file that
        // was read. Anything else, swapped in at that moment, goes back where it was.
        if (!entryIs(folder, temporary, m_read)) {
            if (::renameat2(folder, from, folder, to, RENAME_EXCHANGE) == 0)
                discard();
            return false;
        }
        ::unlinkat(folder, from, 0);
    } else if (!unsupported(errno) || !entryIs(folder, target.name, m_read) ||
               ::renameat(folder, from, folder, to) != 0) {
        return discard();
    }
    // Makes the rename itself last; the new file is in place whatever this says.
    ::fsync(folder);
    return true;
}

} // namespace orbelle::platform
