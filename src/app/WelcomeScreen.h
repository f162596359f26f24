// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/Topic.h"

#include <QWidget>

#include <array>
#include <string>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orbelle::app {

class Announcer;
class TabChain;

// What Next asks for: the selected mode and the selected entries of its two lists.
struct WelcomeChoice {
    modLearnAstrology::Mode mode = modLearnAstrology::Mode::Learn;
    int topicIndex = 0;
    int attributeIndex = 0;
    std::string topicCaption; // trimmed
    std::string attributeCaption;
};

// Frame1: the mode option buttons, the learn and test lists and Next. It keeps its
// lists in step with the chosen mode and topic itself, and reports Next.
class WelcomeScreen : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeScreen(QWidget* parent = nullptr);

    // The window's load: fills the four lists and selects their first entries; the
    // test lists start disabled.
    void load();
    // The selected mode option takes the focus: where a person starts again.
    void focusEntry();
    void addTabStops(TabChain& chain) const;

signals:
    void nextClicked(const orbelle::app::WelcomeChoice& choice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's steps, in the order the screen is built.
    void buildWelcome();
    void buildModes();
    void buildLists();
    void connectHandlers();

    void optOption_Toggled(int index, bool checked);
    void optOption_Click(int index);
    void cboLearnOptionMain_Click();
    void cboTestOptionMain_Click();
    void reportNext();

    std::array<QLabel*, 3> Label1{};
    std::array<QRadioButton*, 2> optOption{};
    QButtonGroup* m_modes = nullptr; // optOption, by index
    // Topic and attribute lists of each mode; only the selected mode's pair is enabled.
    QComboBox* cboLearnOptionMain = nullptr;
    QComboBox* cboLearnOptionSub = nullptr;
    QComboBox* cboTestOptionMain = nullptr;
    QComboBox* cboTestOptionSub = nullptr;
    QPushButton* cmdNext = nullptr;
    Announcer* m_announcer = nullptr; // says a list's new entry while the list has the focus
};

} // namespace orbelle::app
