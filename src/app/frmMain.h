// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/MainMenu.h"
#include "knowledge/WorkingState.h"

#include <QMainWindow>

class QFrame;
class QStackedWidget;

namespace orbelle::app {

struct Services;
class CopyGuard;
class LinkLabel;
class LearnScreen;
class ResultScreen;
class TestScreen;
class WelcomeScreen;

// The program's only working window: four screens stacked at one place, the menus,
// the link labels and the working state of the current learn walk or test. It
// coordinates; the screens show what the learn and test cores compute.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // Constructing the window is its load: the welcome screen comes up filled.
    explicit frmMain(Services& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Brings one of the two promotional labels to the front by a random draw.
    void CoBrand_Randomize();
    int intCoBrandRandomNumber = 0;

    const modLearnAstrology::WorkingState& workingState() const { return m_state; }

    QStackedWidget* screens = nullptr;
    WelcomeScreen* Frame1 = nullptr;
    // A start shows the welcome screen only: the learn, test and result screens are
    // built together the first time one of them is asked for.
    LearnScreen* Frame2();
    TestScreen* Frame3();
    ResultScreen* Frame4();
    bool laterScreensBuilt() const { return m_learnScreen != nullptr; }
    LinkLabel* Label61 = nullptr;
    QFrame* fraFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    MainMenu menu;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void connectHandlers();
    void buildLaterScreens();
    void orderTabs();
    void Form_Load();
    void raiseScreen(QWidget* screen, QWidget* focus = nullptr);
    void bringToFront(LinkLabel* banner);
    void notify(std::string_view notice);

    void optOption_Click(int index);
    void cboLearnOptionMain_Click();
    void cboTestOptionMain_Click();
    void cmdNext_Click();
    void cmdBackToMain_Click(int index);
    void cmdBackDesc_Click();
    void cmdNextDesc_Click();
    void cmdNextQuestion_Click();
    void txtAnswer_Choice_Click(int index);
    void mnuAbout_Click();

    Services& m_services;
    CopyGuard* m_copyGuard = nullptr;
    LearnScreen* m_learnScreen = nullptr;
    TestScreen* m_testScreen = nullptr;
    ResultScreen* m_resultScreen = nullptr;
    modLearnAstrology::WorkingState m_state;
    bool m_closing = false;
};

} // namespace orbelle::app
