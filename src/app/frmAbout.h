// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orbelle::app {

struct Services;
class LinkLabel;

// The About box: modal over the main window, created when opened and discarded when
// closed. Its texts never change.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(Services& services, QWidget* parent = nullptr);

private:
    QLabel* Picture1 = nullptr; // the program icon
    QLabel* Label2 = nullptr;   // the title
    QLabel* Label1 = nullptr;   // what the program does
    LinkLabel* lblHomePage = nullptr;
    // The business offer and its link.
    QLabel* Label3 = nullptr;
    LinkLabel* lblCobrand = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace orbelle::app
