// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QIcon>
#include <QLabel>

namespace orbelle::modLearnAstrology {
struct Picture;
}

namespace orbelle::app {

// Shows one glyph picture at its own size from the top-left corner, sharp on high-DPI
// screens (the icon engine picks the "@2x" twin). Its accessible name says which glyph,
// its description what the glyph looks like.
// A record without a picture (a house) hides the box.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Shows the picture, the glyph of glyphOf; nullptr hides the box instead.
    void showPicture(const modLearnAstrology::Picture* picture, const QString& glyphOf);

private:
    // One icon per picture for the box's lifetime: a fresh icon would decode the image
    // again each time and leave a new entry in Qt's pixmap cache.
    QHash<QString, QIcon> m_icons;
};

} // namespace orbelle::app
