// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

#include <cerrno>
#include <utility>

namespace orbelle::platform {

namespace {

enum class Found { Nothing, SettingsFile, SomethingElse };

// QSettings opens, reads and replaces whatever the path leads to: it waits for ever on
// a FIFO, reads a huge file whole, and writes its new copy over the target of a
// symlink whatever that target is (a device node included). So the path is looked at
// first with stat(), which opens nothing: a FIFO is never opened and a device never
// touched, and QSettings only ever sees a regular file of settings size.
Found inspect(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat target {};
    if (::stat(native.constData(), &target) != 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        struct stat link {};
        // A symlink that leads nowhere is not followed: a write would create its target.
        if (missing && ::lstat(native.constData(), &link) != 0)
            return Found::Nothing;
        return Found::SomethingElse;
    }
    if (!S_ISREG(target.st_mode) || target.st_size > QtSettingsStore::LargestFile)
        return Found::SomethingElse;
    return Found::SettingsFile;
}

// QSettings guards a write with the lock file <file>.lock and waits for it without a
// limit: for ever on a folder or FIFO in its place, 30 s on the empty file that a copy
// killed while taking it leaves. A leftover that no running process holds is cleared
// here (QLockFile only removes a file nobody holds locked); anything else makes the
// write fail at once and stays as it is. A copy of the program that is writing at this
// moment keeps its lock, and this write fails rather than wait.
bool writeLockIsFree(const QString& path) {
    const QString lockPath = path + QLatin1String(".lock");
    struct stat entry {};
    if (::lstat(QFile::encodeName(lockPath).constData(), &entry) != 0)
        return errno == ENOENT;
    if (!S_ISREG(entry.st_mode))
        return false;
    QLockFile(lockPath).removeStaleLockFile();
    return ::lstat(QFile::encodeName(lockPath).constData(), &entry) != 0 && errno == ENOENT;
}

// QSaveFile writes the new copy beside the file as <name>.XXXXXX (six random letters)
// and renames it into place; a copy killed in between leaves that file behind. Only
// the program's own folder is swept: next to a symlink's target elsewhere, such a
// name could be the user's.
void removeLeftoverCopies(const QString& path) {
    const QFileInfo file(path);
    if (file.isSymLink())
        return;
    const QString stem = file.fileName() + QLatin1Char('.');
    QDir folder = file.dir();
    const QStringList names =
        folder.entryList({stem + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        bool letters = true;
        for (const QChar c : QStringView(name).mid(stem.size()))
            letters = letters && ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                                  (c >= QLatin1Char('A') && c <= QLatin1Char('Z')));
        if (letters && QFileInfo(folder.filePath(name)).size() <= QtSettingsStore::LargestFile)
            folder.remove(name);
    }
}

} // namespace

QtSettingsStore::QtSettingsStore(QString folder)
    : m_folder(std::move(folder)) {}

QString QtSettingsStore::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString QtSettingsStore::filePath(const std::string& application) const {
    const QString name = QString::fromStdString(application);
    return m_folder + QLatin1Char('/') + name + QLatin1Char('/') + name + QLatin1String(".conf");
}

std::optional<std::string> QtSettingsStore::read(const std::string& application, const std::string& section,
                                                 const std::string& key, const std::string& fallback) {
    try {
        const QString path = filePath(application);
        switch (inspect(path)) {
        case Found::Nothing:
            return fallback;
        case Found::SomethingElse:
            return std::nullopt;
        case Found::SettingsFile:
            break;
        }
        QSettings settings(path, QSettings::IniFormat);
        // Junk in the file is only a FormatError: what can be read of it still counts.
        if (settings.status() == QSettings::AccessError)
            return std::nullopt;
        const QString fullKey = QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
        const QVariant value = settings.value(fullKey);
        if (!value.isValid() || !value.canConvert<QString>())
            return fallback;
        return value.toString().toStdString();
    } catch (...) {
        return std::nullopt;
    }
}

bool QtSettingsStore::write(const std::string& application, const std::string& section, const std::string& key,
                            const std::string& value) {
    try {
        const QString path = filePath(application);
        if (inspect(path) == Found::SomethingElse || !writeLockIsFree(path))
            return false;
        bool written = false;
        {
            QSettings settings(path, QSettings::IniFormat);
            const QString fullKey = QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
            settings.setValue(fullKey, QString::fromStdString(value));
            settings.sync();
            // A FormatError only says the old contents were junk; the new entry was written.
            written = settings.status() != QSettings::AccessError;
        }
        if (written)
            removeLeftoverCopies(path);
        return written;
    } catch (...) {
        return false;
    }
}

} // namespace orbelle::platform
