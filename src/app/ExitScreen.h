// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QPushButton;

namespace orbelle::app {

struct Services;
class LinkLabel;

// Shown when the main window has closed: a word about the maker's other software.
// Closing it, by its close box or its Exit button, ends the program.
class ExitScreen : public QWidget {
    Q_OBJECT

public:
    explicit ExitScreen(Services& services, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    LinkLabel* lblHomePage = nullptr;
    QPushButton* cmdExit = nullptr;
    Services& m_services;
};

} // namespace orbelle::app
