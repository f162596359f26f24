// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/Topic.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orbelle::modLearnAstrology {

// What the main window remembers about the current learn walk or test. Learn mode
// and test mode both read and write it; Back To Main clears the working copies.
struct WorkingState {
    int TopicIndex = 0;     // selected index of the topic list at Next
    int AttributeIndex = 0; // selected index of the attribute list at Next
    std::string TopicCaption;
    std::string AttributeCaption;
    int CurrentIndex = 0; // record on show (learn) or current question (test)

    // Working copies of the topic's name column and of the chosen attribute's column,
    // each with one spare empty entry after the last record.
    std::vector<std::string> RecordNames;
    std::vector<std::string> RecordValues;

    // The test's own arrays, one slot per question plus a spare one.
    std::vector<int> QuestionOrder;
    std::vector<std::string> CorrectAnswers;
    std::vector<std::string> UserAnswers;

    // Back To Main: the counter goes to 0 and the copies are erased; the choices stay.
    void resetWalk() {
        CurrentIndex = 0;
        RecordValues.clear();
        RecordNames.clear();
        QuestionOrder.clear();
        CorrectAnswers.clear();
        UserAnswers.clear();
    }
};

// Refills the topic's table and takes the working copies of its name column and of
// the chosen attribute's column, each with one empty entry after the last record: the
// upper index of a copy is the record count, which is the bound Next tests against.
// Assigning in place lets a new walk or test reuse the previous one's storage.
void TakeWorkingCopies(WorkingState& state, Topic topic);

// The entry at index of a working list (or of any list), or nullptr outside it: a
// stray index reads nothing rather than past the list.
template <typename List> auto* EntryAt(List& list, int index) {
    return index < 0 || index >= static_cast<int>(list.size()) ? nullptr : &list[static_cast<std::size_t>(index)];
}

// The text at index of a working list, or the empty text outside it.
inline const std::string& TextAt(const std::vector<std::string>& list, int index) {
    static const std::string none;
    const std::string* entry = EntryAt(list, index);
    return entry ? *entry : none;
}

} // namespace orbelle::modLearnAstrology
