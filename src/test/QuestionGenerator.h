// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/Pictures.h"
#include "knowledge/WorkingState.h"
#include "platform/RandomSource.h"

#include <array>
#include <string>

// The test screen's question generator. It works on the main window's working state
// and returns what the screen must show; the window only applies it.
namespace orbelle::test {

inline constexpr int ChoiceCount = 5;

struct QuestionView {
    std::string topicCaption;     // lblTest(0)
    std::string attributeCaption; // lblTest(1)
    std::string title;            // lblTest(2): the asked record's name, or "1st House" ... for houses
    // Caption of optAnswer_Choice(k) and text of txtAnswer_Choice(k): one text serves
    // both, because the answer recorded is the caption and the user reads the text box.
    std::array<std::string, ChoiceCount> choices;
    const modLearnAstrology::Picture* picture = nullptr; // nullptr: hide picTest (houses)
    std::string recordName; // the asked record's entry in the name column (a house's sign for houses)
    int number = 0;         // the question's place in the test, from 1: what a listener hears
    int count = 0;          // the test's length
};

// Shows question CurrentIndex. At question 0 it first builds the test: refills the
// topic's table, takes the working copies, draws the question order and notes every
// right answer. Every call then draws the five choices of the current question.
//
// Draws are taken in a fixed order (the order, then five choices, then the place of
// the right one) and nowhere else; the generator never seeds the source. A question
// number outside the running test gives an empty view and takes no draw.
QuestionView ShowQuestion(modLearnAstrology::WorkingState& state, platform::RandomSource& random);

} // namespace orbelle::test
