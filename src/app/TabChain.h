// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace orbelle::app {

// The keyboard's walk through a window, built control by control: each screen adds its
// own controls in reading order, and the window strings the screens together without
// knowing what is on them.
class TabChain {
public:
    void add(QWidget* control) {
        if (m_last)
            QWidget::setTabOrder(m_last, control);
        m_last = control;
    }

private:
    QWidget* m_last = nullptr;
};

} // namespace orbelle::app
