// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

class QColor;
class QFont;

namespace orbelle::app {

// A text that opens a web page: in its font and colour, underlined, with a pointing
// hand under the mouse. It takes keyboard focus and opens with Enter or Space too, so
// that it is not a mouse-only control.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& caption, const QFont& font, const QColor& color, QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A link label with its object name, text, font and text colour; the caller places it.
LinkLabel* makeLink(QWidget* parent, const QString& name, const QString& text, const QFont& font, const QColor& color);

} // namespace orbelle::app
