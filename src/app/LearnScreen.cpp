// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LearnScreen.h"

#include "app/AccessKeyText.h"
#include "app/Look.h"
#include "app/PictureBox.h"
#include "knowledge/Pictures.h"
#include "learn/LearnBrowser.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace orbelle::app {

using namespace look;

namespace {

QLabel* makeCaption(QWidget* parent, int index, const QColor& color, qreal points, bool bold) {
    return makeLabel(parent, QStringLiteral("lblLabel_%1").arg(index), QString(), verdana(points, bold), color);
}

} // namespace

LearnScreen::LearnScreen(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Frame2"));

    picAstro = new PictureBox(this);
    picAstro->setObjectName(QStringLiteral("picAstro"));
    place(picAstro, 120, 120, 600, 540);

    lblLabel[0] = makeCaption(this, 0, Yellow, 9, true);
    place(lblLabel[0], 960, 120, 750, 210);
    lblLabel[1] = makeCaption(this, 1, BrightGreen, 9, true);
    place(lblLabel[1], 2880, 120, 1335, 210);
    lblLabel[2] = makeCaption(this, 2, White, 8.25, true);
    place(lblLabel[2], 960, 585, 510, 195);

    // The value keeps its fixed box; a paragraph longer than the box scrolls inside it
    // instead of being cut off.
    valueBox = new QScrollArea(this);
    valueBox->setObjectName(QStringLiteral("valueBox"));
    // A thin frame that only shows while the box has the keyboard focus.
    valueBox->setFrameShape(QFrame::Box);
    valueBox->setFrameShadow(QFrame::Plain);
    valueBox->installEventFilter(this);
    valueBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    valueBox->setWidgetResizable(true);
    // Focusable, so that the keyboard can scroll a long paragraph.
    valueBox->setFocusPolicy(Qt::StrongFocus);
    valueBox->setAccessibleName(tr("Value"));
    setBackground(valueBox, DarkGreen);
    setBackground(valueBox->viewport(), DarkGreen);
    QPalette frame = valueBox->palette();
    frame.setColor(QPalette::WindowText, DarkGreen); // the frame's colour: unseen until focused
    valueBox->setPalette(frame);
    place(valueBox, 960, 825, 7095, 2535);
    lblLabel[3] = makeCaption(this, 3, White, 8.25, false);
    lblLabel[3]->setWordWrap(true);
    lblLabel[3]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(lblLabel[3], DarkGreen);
    valueBox->setWidget(lblLabel[3]);

    cmdBackToMain = makeButton(this, QStringLiteral("cmdBackToMain_0"), tr("&Back To Main"));
    place(cmdBackToMain, 240, 3480, 1400, 400);
    cmdBackDesc = makeButton(this, QStringLiteral("cmdBackDesc"), tr("Back"));
    place(cmdBackDesc, 5880, 3480, 1000, 400);
    cmdNextDesc = makeButton(this, QStringLiteral("cmdNextDesc"), tr("Next"));
    place(cmdNextDesc, 6960, 3480, 1000, 400);
}

bool LearnScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == valueBox && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QPalette palette = valueBox->palette();
        palette.setColor(QPalette::WindowText, event->type() == QEvent::FocusIn ? White : DarkGreen);
        valueBox->setPalette(palette);
    }
    return QWidget::eventFilter(watched, event);
}

void LearnScreen::showRecord(const learn::RecordView& record) {
    showCaption(lblLabel[0], record.topicCaption);
    showCaption(lblLabel[1], record.attributeCaption);
    lblLabel[3]->setText(labelText(record.value));
    // The value box takes the focus to scroll; a screen reader then reads the value.
    valueBox->setAccessibleDescription(lblLabel[3]->text());
    showCaption(lblLabel[2], record.title);
    if (!record.picture) {
        picAstro->hide();
        return;
    }
    picAstro->show();
    picAstro->setPicture(*record.picture, QString::fromStdString(record.pictureName));
}

} // namespace orbelle::app
