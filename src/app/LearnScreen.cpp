// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LearnScreen.h"

#include "app/AccessKeyText.h"
#include "app/Accessibility.h"
#include "app/Announcer.h"
#include "app/Guarded.h"
#include "app/Look.h"
#include "app/PictureBox.h"
#include "app/TabChain.h"
#include "learn/LearnBrowser.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace orbelle::app {

using namespace look;

namespace {

QLabel* makeCaption(QWidget* parent, int index, const QColor& color, qreal points, bool bold) {
    return makeLabel(parent, QStringLiteral("lblLabel_%1").arg(index), QString(), verdana(points, bold), color);
}

} // namespace

LearnScreen::LearnScreen(QWidget* parent)
    : QWidget(parent) {
    setAccessibleRole(this, QAccessible::Grouping);
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
    // instead of being cut off, and the keyboard moves a caret through it line by line.
    lblValue = new QPlainTextEdit(this);
    lblValue->setObjectName(QStringLiteral("lblLabel_3"));
    lblValue->setReadOnly(true);
    lblValue->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    lblValue->setContextMenuPolicy(Qt::NoContextMenu);
    lblValue->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblValue->document()->setDocumentMargin(0);
    lblValue->setFont(verdana(8.25));
    // A thin frame that only shows while the box has the keyboard focus.
    lblValue->setFrameShape(QFrame::Box);
    lblValue->setFrameShadow(QFrame::Plain);
    lblValue->installEventFilter(this);
    setTextColor(lblValue, White);
    setBackground(lblValue, DarkGreen);
    setBackground(lblValue->viewport(), DarkGreen);
    QPalette frame = lblValue->palette();
    frame.setColor(QPalette::WindowText, DarkGreen); // the frame's colour: unseen until focused
    lblValue->setPalette(frame);
    // A paragraph that still overflows (a wider font, a larger scale) scrolls on the
    // panel's colours, not on a light default bar; the arrows stay white when the frame
    // colour changes with the focus.
    QPalette bar(Green, DarkGreen);
    bar.setColor(QPalette::WindowText, White);
    bar.setColor(QPalette::ButtonText, White);
    lblValue->verticalScrollBar()->setPalette(bar);
    place(lblValue, 960, 825, 7095, 2535);

    cmdBackToMain = makeButton(this, QStringLiteral("cmdBackToMain_0"), tr("&Back To Main"));
    place(cmdBackToMain, 240, 3480, 1400, 400);
    cmdBackDesc = makeButton(this, QStringLiteral("cmdBackDesc"), tr("Back"));
    place(cmdBackDesc, 5880, 3480, 1000, 400);
    cmdNextDesc = makeButton(this, QStringLiteral("cmdNextDesc"), tr("Next"));
    place(cmdNextDesc, 6960, 3480, 1000, 400);
    cmdNextDesc->installEventFilter(this);
    m_announcer = new Announcer(this);

    connect(cmdBackToMain, &QPushButton::clicked, this, [this] { emit backToMainClicked(0); });
    connect(cmdBackDesc, &QPushButton::clicked, this, &LearnScreen::backClicked);
    connect(cmdNextDesc, &QPushButton::clicked, this, &LearnScreen::nextClicked);
}

void LearnScreen::focusEntry() {
    cmdNextDesc->setFocus(Qt::OtherFocusReason);
}

void LearnScreen::addTabStops(TabChain& chain) const {
    for (QWidget* control : std::initializer_list<QWidget*>{lblValue, cmdBackToMain, cmdBackDesc, cmdNextDesc})
        chain.add(control);
}

QString LearnScreen::spokenStep(const learn::RecordView& record, const QString& title, QString value) {
    if (record.valueIsPicture && record.picture) {
        const std::string_view looks = record.picture->description;
        return tr("%1 glyph: %2").arg(title, QString::fromUtf8(looks.data(), qsizetype(looks.size())));
    }
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return title + QStringLiteral(": ") + value;
}

bool LearnScreen::eventFilter(QObject* watched, QEvent* event) {
    guarded("learn screen focus", [&] {
        // The step that Next said on arrival is not said again when the focus comes back.
        if (watched == cmdNextDesc && event->type() == QEvent::FocusOut)
            cmdNextDesc->setAccessibleDescription(lblLabel[2]->text());
        if (watched == lblValue && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
            QPalette palette = lblValue->palette();
            palette.setColor(QPalette::WindowText, event->type() == QEvent::FocusIn ? White : DarkGreen);
            lblValue->setPalette(palette);
        }
    });
    return QWidget::eventFilter(watched, event);
}

void LearnScreen::showRecord(const learn::RecordView& record) {
    showCaption(lblLabel[0], record.topicCaption);
    showCaption(lblLabel[1], record.attributeCaption);
    showCaption(lblLabel[2], record.title);
    const QString value = labelText(record.value);
    lblValue->setPlainText(value);

    // What a listener hears: the screen is named after the topic and attribute (spoken
    // when the focus comes in) and the value box after the record as well. A step taken
    // with Back or Next is said once, as it happens; landing on either button only
    // reminds the listener of the record. Arriving, the focus comes to Next, which says
    // the whole step until the focus first moves on.
    const QString topic = lblLabel[0]->text() + QStringLiteral(", ") + lblLabel[1]->text();
    setAccessibleName(topic);
    lblValue->setAccessibleName(topic + QStringLiteral(": ") + lblLabel[2]->text());
    const QString step = spokenStep(record, lblLabel[2]->text(), value);
    cmdBackDesc->setAccessibleDescription(lblLabel[2]->text());
    if (isVisible() && (cmdBackDesc->hasFocus() || cmdNextDesc->hasFocus())) {
        cmdNextDesc->setAccessibleDescription(lblLabel[2]->text());
        m_announcer->say(step);
    } else {
        cmdNextDesc->setAccessibleDescription(step);
    }

    picAstro->showPicture(record.picture, QString::fromStdString(record.pictureName));
}

} // namespace orbelle::app
