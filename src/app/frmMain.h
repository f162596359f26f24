// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/MainMenu.h"
#include "knowledge/WorkingState.h"

#include <QMainWindow>

#include <optional>
#include <string>
#include <string_view>

class QFrame;
class QStackedWidget;

namespace orbelle::learn {
struct StepResult;
}

namespace orbelle::app {

struct Services;
struct WelcomeChoice;
class CopyGuard;
class LinkLabel;
class LearnScreen;
class ResultScreen;
class TestScreen;
class WelcomeScreen;

// The program's only working window: four screens stacked at one place, the menus,
// the link labels and the working state of the current learn walk or test. It
// coordinates: the screens report what the user asked for, the window asks the learn
// and test cores, and hands what they return to a screen to show.
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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void connectHandlers();
    void buildLaterScreens();
    void orderTabs();
    void Form_Load();
    template <typename Screen> void raiseScreen(Screen* screen);
    void bringToFront(LinkLabel* banner);
    void notify(std::string_view notice);
    // A learn step: the record it reached, or the notice at an end.
    void showStep(const learn::StepResult& step);

    void cmdNext_Click(const WelcomeChoice& choice);
    void cmdBackToMain_Click(int index);
    void cmdBackDesc_Click();
    void cmdNextDesc_Click();
    void cmdNextQuestion_Click(const std::optional<std::string>& answer);
    void mnuAbout_Click();

    Services& m_services;
    MainMenu menu;
    QStackedWidget* screens = nullptr;
    // A start shows the welcome screen only: the learn, test and result screens are
    // built together at the first Next.
    WelcomeScreen* Frame1 = nullptr;
    LearnScreen* Frame2 = nullptr;
    TestScreen* Frame3 = nullptr;
    ResultScreen* Frame4 = nullptr;
    LinkLabel* Label61 = nullptr;
    QFrame* fraFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    CopyGuard* m_copyGuard = nullptr;
    modLearnAstrology::WorkingState m_state;
    bool m_closing = false;
};

} // namespace orbelle::app
