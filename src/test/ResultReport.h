// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/WorkingState.h"

#include <string>
#include <vector>

// The result screen's report of a finished test.
namespace orbelle::test {

// One piece of the report, written at the box's insertion point with emphasis on or
// off. Pieces stay separate even where two emphasised ones follow each other: the
// window switches emphasis around each one, and sets the text size once, before the first.
struct ReportPiece {
    std::string text;
    bool emphasis;
};

struct ResultReport {
    std::vector<ReportPiece> pieces;
    // The report's own lines that a listener hears on arrival, without their breaks:
    // "Orbelle Result", "<topic> - <attribute>" and the score line, which ends it.
    std::string title;
    std::string testLine;
    std::string scoreLine;
    int correct = 0; // questions whose answer text equals the right one exactly
    int total = 0;   // the test's length, taken from its arrays
};

// Builds the report of the test in the working state; the window writes it into the
// result box and raises the result screen. Answers are judged by exact text equality,
// case included: which place or record the user picked does not matter.
ResultReport ShowResult(const modLearnAstrology::WorkingState& state);

} // namespace orbelle::test
