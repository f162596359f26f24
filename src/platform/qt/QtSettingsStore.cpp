// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/QtSettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace orbelle::platform {

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
        const QFileInfo file(filePath(application));
        if (file.isDir())
            return std::nullopt;
        if (!file.exists())
            return fallback;
        QSettings settings(file.filePath(), QSettings::IniFormat);
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
        if (QFileInfo(path).isDir())
            return false;
        QSettings settings(path, QSettings::IniFormat);
        const QString fullKey = QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
        settings.setValue(fullKey, QString::fromStdString(value));
        settings.sync();
        // A FormatError only says the old contents were junk; the new entry was written.
        return settings.status() != QSettings::AccessError;
    } catch (...) {
        return false;
    }
}

} // namespace orbelle::platform
