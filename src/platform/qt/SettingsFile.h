// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <sys/stat.h>

namespace orbelle::platform {

// An open descriptor, closed when it goes.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept
        : m_fd(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    int release();

private:
    int m_fd = -1;
};

// One settings file in one folder, read and replaced through descriptors: what is
// checked is what is read, and what is replaced is what was read, whatever another
// process does to the path in between. Nothing waits: a FIFO or device at the path is
// never read, and a symlink is followed only to a regular file, which is then updated in
// its own folder, the symlink staying as it is.
class SettingsFile {
public:
    enum class State {
        Missing,  // nothing there: the settings start empty
        Read,     // a regular file, read to its end
        Unusable, // something else, or a file that could not be read whole
    };

    // Looks at <folder>/<name>; creates nothing.
    SettingsFile(const QByteArray& folder, const QByteArray& name, qint64 largest);

    State state() const { return m_state; }
    const QByteArray& contents() const { return m_contents; }
    // Whether the path is a symlink (to the regular file that was read).
    bool throughSymlink() const { return m_throughSymlink; }
    // The folder, open; for tidying it up after a write.
    int folder() const { return m_folder.get(); }

    // Puts `bytes` in place of what was read, or where nothing was: a new file beside it,
    // written whole, synced, renamed over the old one. On any failure (a full disk, an
    // I/O error, a read-only folder, the path changed since it was read) the old file
    // stays exactly as it was and the new one is removed.
    bool replace(const QByteArray& bytes);

private:
    struct Target;

    Descriptor m_folder;
    Descriptor m_file;
    QByteArray m_name;
    struct stat m_read {};
    State m_state = State::Unusable;
    QByteArray m_contents;
    bool m_throughSymlink = false;
};

} // namespace orbelle::platform
