// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QPushButton;
class QScreen;
class QWidget;

// The window's fixed layout is measured in twips (1/1440 inch); at 96 dpi fifteen of
// them make a pixel. Sizes are rounded to the nearest pixel.
namespace orbelle::app::look {

constexpr int px(int twips) noexcept {
    // Halves round away from zero on both sides of the origin.
    return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}

constexpr QRect twips(int left, int top, int width, int height) noexcept {
    return QRect(px(left), px(top), px(width), px(height));
}

// The program's type face: Verdana where the computer has it, else DejaVu Sans, which
// every Debian desktop has and which is about as wide.
QFont verdana(qreal points, bool bold = false);

const QColor Green(0, 128, 0);          // the main window
const QColor DarkGreen(0, 64, 0);       // the four screens
const QColor Gold(255, 180, 4);         // welcome texts
const QColor PaleYellow(255, 255, 192); // link labels of the main window
const QColor Yellow(255, 255, 0);
const QColor BrightGreen(0, 255, 0);
const QColor White(255, 255, 255);
const QColor Maroon(128, 0, 0);           // links of the About box
const QColor Purple(128, 0, 128);         // the About box's business text
const QColor LightCyan(128, 255, 255);    // the asked record on the test screen
const QColor LightMagenta(255, 128, 255); // the test screen's instruction
const QColor Black(0, 0, 0);

void setTextColor(QWidget* widget, const QColor& color);
void setBackground(QWidget* widget, const QColor& color);
void setOptionButtonLook(QWidget* option, const QColor& text, const QColor& background);

// A plain-text label with its name, font and text colour.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, const QColor& color);

// A push button that Enter presses as well as Space, as people expect of a focused button.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption);

// Places a widget at its layout rectangle (in twips) inside its parent.
void place(QWidget* widget, int left, int top, int width, int height);

// Moves a window to the middle of the screen's available area, its top-left corner (and
// with it the title bar) kept inside that area; nothing when there is no screen.
void centreOn(QWidget* window, const QScreen* screen);

} // namespace orbelle::app::look
