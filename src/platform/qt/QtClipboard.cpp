#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace orbelle::platform {

void QtClipboard::clear() noexcept {
    try {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return;
        // Skip the write when there is nothing to remove: clearing an empty clipboard
        // on every mouse move would only make the window take ownership again and again.
        const QMimeData* held = clipboard->mimeData(QClipboard::Clipboard);
        if (held && !held->formats().isEmpty())
            clipboard->clear(QClipboard::Clipboard);
        if (clipboard->supportsSelection() && !clipboard->text(QClipboard::Selection).isEmpty())
            clipboard->clear(QClipboard::Selection);
    } catch (...) {
        // The guard must never stop the click that triggered it.
    }
}

} // namespace orbelle::platform
