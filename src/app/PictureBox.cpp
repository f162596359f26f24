#include "app/PictureBox.h"

#include "knowledge/Pictures.h"

#include <QIcon>

namespace orbelle::app {

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const modLearnAstrology::Picture& picture, const QString& glyphOf) {
    const QSize size(picture.width, picture.height);
    const QIcon icon(QString::fromUtf8(picture.resource.data(), qsizetype(picture.resource.size())));
    setPixmap(icon.pixmap(size, devicePixelRatioF()));
    // The box grows to the picture: the Moon is taller than the box as laid out.
    resize(size);
    setAccessibleName(tr("%1 glyph").arg(glyphOf));
}

} // namespace orbelle::app
