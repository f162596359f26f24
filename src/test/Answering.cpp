// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test/Answering.h"

#include <cstddef>

namespace orbelle::test {

using modLearnAstrology::WorkingState;

int QuestionCount(const WorkingState& state) {
    return state.QuestionOrder.empty() ? 0 : static_cast<int>(state.QuestionOrder.size()) - 1;
}

AfterAnswer AnswerQuestion(WorkingState& state, const std::optional<std::string>& selectedCaption) {
    // Only a question of the running test takes an answer; the spare slot stays empty.
    const int q = state.CurrentIndex;
    std::string* slot = q < QuestionCount(state) ? modLearnAstrology::EntryAt(state.UserAnswers, q) : nullptr;
    if (selectedCaption && slot)
        *slot = *selectedCaption;

    state.CurrentIndex += 1;
    if (state.CurrentIndex < QuestionCount(state))
        return AfterAnswer::NextQuestion;
    state.CurrentIndex -= 1;
    return AfterAnswer::Finished;
}

} // namespace orbelle::test
