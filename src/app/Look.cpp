// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Look.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace orbelle::app::look {

QFont verdana(qreal points, bool bold) {
    // Decided once: asking for a family the computer lacks sends every font look-up
    // through fontconfig's fallback search. The installed families are listed anyway
    // when the first text is drawn; asking fontconfig to resolve the name would cost
    // a pattern substitution on every start.
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive)
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setOptionButtonLook(QWidget* option, const QColor& text, const QColor& background) {
    // A button fills its background with the Button colour; the indicator stays light.
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::Base, White);
    option->setPalette(palette);
    option->setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, const QColor& color) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setTextColor(label, color);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips(left, top, width, height));
}

void centreOn(QWidget* window, const QScreen* screen) {
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // A window larger than the screen (a fixed layout at a large scale factor) would
    // centre with its title bar above the top edge, where nobody can grab it: it goes no
    // higher and no further left than the available area, and spills right and down.
    const QPoint centred = area.center() - window->rect().center();
    window->move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}

} // namespace orbelle::app::look
