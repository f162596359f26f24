// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ResultScreen.h"

#include "app/CopyGuard.h"
#include "app/Look.h"
#include "app/TabChain.h"
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
    RTB->setUndoRedoEnabled(false); // nothing to undo, and every report would pile up in the undo stack
    // A caret, so that the keyboard (and a screen reader with it) reads the report line
    // by line; the copy guard keeps anything from being selected or copied.
    RTB->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    RTB->setContextMenuPolicy(Qt::NoContextMenu);
    RTB->setAccessibleName(tr("Result report"));
    RTB->setFocusPolicy(Qt::StrongFocus);
    // A document box: black on white, whatever the screen behind it.
    QPalette paper = RTB->palette();
    paper.setColor(QPalette::Base, White);
    paper.setColor(QPalette::Text, Black);
    RTB->setPalette(paper);
    place(RTB, 120, 120, 7935, 3255);
    copyGuard.watch(RTB);

    cmdBackToMain = makeButton(this, QStringLiteral("cmdBackToMain_1"), tr("&Back To Main"));
    place(cmdBackToMain, 3507, 3480, 1400, 400);
    connect(cmdBackToMain, &QPushButton::clicked, this, [this] { emit backToMainClicked(1); });
}

void ResultScreen::focusEntry() {
    RTB->setFocus(Qt::OtherFocusReason);
}

void ResultScreen::addTabStops(TabChain& chain) const {
    chain.add(RTB);
    chain.add(cmdBackToMain);
}

void ResultScreen::writeReport(const test::ResultReport& report) {
    // The caret stays at the start throughout: a screen reader takes a caret that moves in
    // a box about to get the focus for the focus itself, and would then not announce the
    // report's arrival. (It was put back at the start when the screen was last left.)
    QTextCursor caret = RTB->textCursor();
    caret.setKeepPositionOnInsert(true);
    RTB->setTextCursor(caret);

    QTextCursor cursor(RTB->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    QTextCharFormat format;
    format.setFontPointSize(12);
    for (const test::ReportPiece& piece : report.pieces) {
        format.setFontWeight(piece.emphasis ? QFont::Bold : QFont::Normal);
        cursor.insertText(QString::fromStdString(piece.text), format);
    }
    // Heard on arrival after the title, the line under the caret: what was tested and the score.
    RTB->setAccessibleDescription(QString::fromStdString(report.testLine + ". " + report.scoreLine));
}

void ResultScreen::hideEvent(QHideEvent* event) {
    RTB->moveCursor(QTextCursor::Start);
    QWidget::hideEvent(event);
}

} // namespace orbelle::app
