// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ResultScreen.h"

#include "app/CopyGuard.h"
#include "app/Look.h"
#include "test/ResultReport.h"

#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace orbelle::app {

using namespace look;

ResultScreen::ResultScreen(CopyGuard& copyGuard, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Frame4"));

    RTB = new QTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setReadOnly(true);
    // Nothing can be selected, so nothing can be copied; the keyboard still scrolls.
    RTB->setTextInteractionFlags(Qt::NoTextInteraction);
    RTB->setContextMenuPolicy(Qt::NoContextMenu);
    RTB->setAccessibleName(tr("Result report"));
    RTB->setFocusPolicy(Qt::StrongFocus);
    // A document box: black on white, whatever the screen behind it.
    QPalette paper = RTB->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    RTB->setPalette(paper);
    place(RTB, 120, 120, 7935, 3255);
    copyGuard.watch(RTB);

    cmdBackToMain = makeButton(this, QStringLiteral("cmdBackToMain_1"), tr("&Back To Main"));
    place(cmdBackToMain, 3507, 3480, 1400, 400);
}

void ResultScreen::writeReport(const test::ResultReport& report) {
    RTB->clear();
    QTextCursor cursor(RTB->document());
    QTextCharFormat format;
    format.setFontPointSize(12);
    for (const test::ReportPiece& piece : report.pieces) {
        format.setFontWeight(piece.emphasis ? QFont::Bold : QFont::Normal);
        cursor.insertText(QString::fromStdString(piece.text), format);
    }
    RTB->moveCursor(QTextCursor::Start);
}

} // namespace orbelle::app
