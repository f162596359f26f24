// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/PictureBox.h"

#include "knowledge/Pictures.h"

namespace orbelle::app {

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::showPicture(const modLearnAstrology::Picture* picture, const QString& glyphOf) {
    if (!picture) {
        hide();
        return;
    }
    show();
    const QSize size(picture->width, picture->height);
    const QString resource = QString::fromUtf8(picture->resource.data(), qsizetype(picture->resource.size()));
    auto cached = m_icons.constFind(resource);
    if (cached == m_icons.constEnd())
        cached = m_icons.insert(resource, QIcon(resource));
    const QIcon& icon = *cached;
    setPixmap(icon.pixmap(size, devicePixelRatioF()));
    // The box grows to the picture: the Moon is taller than the box as laid out.
    resize(size);
    setAccessibleName(tr("%1 glyph").arg(glyphOf));
    setAccessibleDescription(QString::fromUtf8(picture->description.data(), qsizetype(picture->description.size())));
}

} // namespace orbelle::app
