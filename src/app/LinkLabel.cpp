// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LinkLabel.h"

#include "app/AccessKeyText.h"
#include "app/Accessibility.h"
#include "app/Look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace orbelle::app {

namespace {

// Tells assistive technology that the label is a link, and lets it follow the link.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const LinkLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<LinkLabel*>(widget())->activated();
    }
};

QAccessibleInterface* linkLabelAccessible(QWidget* link) {
    return new LinkLabelAccessible(static_cast<LinkLabel*>(link));
}

} // namespace

LinkLabel::LinkLabel(const QString& caption, const QFont& font, const QColor& color, QWidget* parent)
    : QLabel(parent) {
    // Before the first text is set: Qt makes a label's accessible interface at its first
    // change and keeps it, and the first link must already be announced as a link.
    registerAccessible(staticMetaObject, linkLabelAccessible);
    setTextFormat(Qt::PlainText);
    setText(accessKeyDisplayText(caption));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont underlined = font;
    underlined.setUnderline(true);
    setFont(underlined);
    look::setTextColor(this, color);
    setAccessibleDescription(tr("Opens a web page"));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit activated();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

LinkLabel* makeLink(QWidget* parent, const QString& name, const QString& text, const QFont& font, const QColor& color) {
    auto* link = new LinkLabel(text, font, color, parent);
    link->setObjectName(name);
    return link;
}

} // namespace orbelle::app
