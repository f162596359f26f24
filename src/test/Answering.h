// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/WorkingState.h"

#include <optional>
#include <string>

// Next Question on the test screen, as plain logic over the working state.
namespace orbelle::test {

enum class AfterAnswer { NextQuestion, Finished };

// Records the answer to question CurrentIndex and moves on.
//
// selectedCaption is the caption of the selected option button, or std::nullopt when
// none is selected; then the slot stays empty and the test goes on all the same.
// Returns NextQuestion when CurrentIndex now names the next question (the caller then
// calls ShowQuestion), or Finished after the last one, with CurrentIndex left on the
// last question (the caller then builds the report with ShowResult).
//
// The caller selects choice 0 again after every answer, so that each question opens
// with the first choice selected and an untouched question answers with choice 0.
AfterAnswer AnswerQuestion(modLearnAstrology::WorkingState& state, const std::optional<std::string>& selectedCaption);

// The running test's length: the highest index of QuestionOrder (0 when there is no
// test). The test arrays carry it, so a changed topic choice cannot alter a running test.
int QuestionCount(const modLearnAstrology::WorkingState& state);

} // namespace orbelle::test
