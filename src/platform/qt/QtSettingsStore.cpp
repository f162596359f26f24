// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/IniText.h"
#include "platform/qt/SettingsFile.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace orbelle::platform {

namespace {

// An absolute path whose bytes survive decoding, so that the folder used is the folder
// named; empty otherwise.
QString usablePath(const QByteArray& path) {
    if (!path.startsWith('/'))
        return {};
    const QString decoded = QFile::decodeName(path);
    return QFile::encodeName(decoded) == path ? decoded : QString();
}

bool isRegularEntry(int folder, const char* name, struct stat& entry) {
    return ::fstatat(folder, name, &entry, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(entry.st_mode);
}

// Earlier versions wrote a new copy beside the file as <name>.XXXXXX (six letters), as
// this one does, and renamed it into place; a copy killed in between leaves it behind.
// Only the program's own folder is swept: next to a symlink's target elsewhere, such a
// name could be the user's.
void removeLeftoverCopies(int folder, const QByteArray& name) {
    DIR* listing = ::fdopendir(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (!listing)
        return;
    while (const dirent* found = ::readdir(listing)) {
        const qsizetype length = qsizetype(std::strlen(found->d_name));
        if (length != name.size() + 7 || std::strncmp(found->d_name, name.constData(), size_t(name.size())) != 0 ||
            found->d_name[name.size()] != '.')
            continue;
        bool letters = true;
        for (qsizetype at = name.size() + 1; at < length; ++at) {
            const char c = found->d_name[at];
            letters = letters && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
        }
        struct stat entry {};
        if (letters && isRegularEntry(folder, found->d_name, entry) && entry.st_size <= QtSettingsStore::LargestFile)
            ::unlinkat(folder, found->d_name, 0);
    }
    ::closedir(listing);
}

// Earlier versions guarded a write with the lock file <name>.lock, and a copy killed
// while holding it left it behind. A plain file that nobody holds locked is removed; a
// folder, FIFO or anything else there stays, and no longer matters: a write replaces
// the file in one rename, so it needs no lock.
void removeLeftoverWriteLock(int folder, const QByteArray& name) {
    const QByteArray lockName = name + ".lock";
    struct stat seen {};
    if (!isRegularEntry(folder, lockName.constData(), seen))
        return;
    const Descriptor lock(::openat(folder, lockName.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened {};
    if (!lock.isOpen() || ::fstat(lock.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0)
        return;
    if (isRegularEntry(folder, lockName.constData(), seen) && seen.st_ino == opened.st_ino &&
        seen.st_dev == opened.st_dev)
        ::unlinkat(folder, lockName.constData(), 0);
}

} // namespace

QtSettingsStore::QtSettingsStore(QString folder)
    : m_folder(std::move(folder)) {}

QString QtSettingsStore::defaultFolder() {
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME counts as unset.
    if (configHome.startsWith('/'))
        return usablePath(configHome);
    const QByteArray home = qgetenv("HOME");
    const QString decodedHome = usablePath(home);
    struct stat entry {};
    if (decodedHome.isEmpty() || ::stat(home.constData(), &entry) != 0 || !S_ISDIR(entry.st_mode))
        return {};
    return decodedHome + QLatin1String("/.config");
}

QString QtSettingsStore::filePath(const std::string& application) const {
    const QString name = QString::fromStdString(application);
    return m_folder + QLatin1Char('/') + name + QLatin1Char('/') + name + QLatin1String(".conf");
}

std::optional<std::string> QtSettingsStore::read(const std::string& application, const std::string& section,
                                                 const std::string& key, const std::string& fallback) {
    try {
        if (m_folder.isEmpty())
            return std::nullopt;
        const QString name = QString::fromStdString(application);
        const SettingsFile file(QFile::encodeName(m_folder + QLatin1Char('/') + name),
                                QFile::encodeName(name + QLatin1String(".conf")), LargestFile);
        switch (file.state()) {
        case SettingsFile::State::Missing:
            return fallback;
        case SettingsFile::State::Unusable:
            return std::nullopt;
        case SettingsFile::State::Read:
            break;
        }
        const std::optional<QString> text =
            ini::textValue(file.contents(), QString::fromStdString(section), QString::fromStdString(key));
        return text ? text->toStdString() : fallback;
    } catch (...) {
        return std::nullopt;
    }
}

bool QtSettingsStore::write(const std::string& application, const std::string& section, const std::string& key,
                            const std::string& value) {
    try {
        if (m_folder.isEmpty())
            return false;
        const QString name = QString::fromStdString(application);
        const QByteArray base = QFile::encodeName(m_folder);
        const QByteArray folder = QFile::encodeName(m_folder + QLatin1Char('/') + name);
        // One level at a time, each inside a folder that exists: the configuration folder
        // (private, as the desktop's conventions ask) and the program's own in it.
        if ((::mkdir(base.constData(), 0700) != 0 && errno != EEXIST) ||
            (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST))
            return false;
        const QByteArray fileName = QFile::encodeName(name + QLatin1String(".conf"));
        SettingsFile file(folder, fileName, LargestFile);
        if (file.state() == SettingsFile::State::Unusable)
            return false;
        const std::optional<QByteArray> updated =
            ini::withTextValue(file.contents(), QString::fromStdString(section), QString::fromStdString(key),
                               QString::fromStdString(value));
        if (!updated || !file.replace(*updated))
            return false;
        if (!file.throughSymlink())
            removeLeftoverCopies(file.folder(), fileName);
        removeLeftoverWriteLock(file.folder(), fileName);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace orbelle::platform
