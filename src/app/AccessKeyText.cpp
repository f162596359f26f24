// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/AccessKeyText.h"

#include "platform/qt/LineFeeds.h"

#include <QLabel>

namespace orbelle::app {

QString accessKeyDisplayText(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == QLatin1Char('&') && i + 1 < caption.size()) {
            // The marker itself is never shown; the character after it always is.
            ++i;
            shown.append(caption.at(i));
            continue;
        }
        shown.append(c);
    }
    return shown;
}

QString labelText(const std::string& stored) {
    return accessKeyDisplayText(platform::withLineFeeds(stored));
}

void showCaption(QLabel* label, const std::string& stored) {
    label->setText(labelText(stored));
    label->adjustSize();
}

} // namespace orbelle::app
