// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test/QuestionGenerator.h"

#include "test/Answering.h"

#include "knowledge/Tables.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

namespace orbelle::test {

using namespace modLearnAstrology;

namespace {

// Draws a record r = nearest(u * (n - 1)) until it differs from taken[0..filled].
// Both loops of the generator reject repeats this way, without a retry limit: every
// value still missing keeps a non-zero chance per draw, so the loop always ends.
// A plain loop, because unoptimised test builds run this millions of times.
int drawUnused(platform::RandomSource& random, int n, std::span<const int> taken, std::size_t filled) {
    for (;;) {
        const int r = platform::randomIndex(random, n - 1);
        bool seen = false;
        for (std::size_t j = 0; j <= filled && !seen; ++j)
            seen = taken[j] == r;
        if (!seen)
            return r;
    }
}

void buildTest(WorkingState& state, Topic topic, int n, platform::RandomSource& random) {
    // A previous test's arrays go entirely; the spare slot N stays 0 or empty.
    state.QuestionOrder.assign(static_cast<std::size_t>(n + 1), 0);
    state.CorrectAnswers.assign(static_cast<std::size_t>(n + 1), std::string());
    state.UserAnswers.assign(static_cast<std::size_t>(n + 1), std::string());

    TakeWorkingCopies(state, topic);

    for (int i = 0; i < n; ++i)
        state.QuestionOrder[static_cast<std::size_t>(i)] = -1;
    for (int i = 0; i < n; ++i) {
        const int r = drawUnused(random, n, state.QuestionOrder, static_cast<std::size_t>(i));
        state.QuestionOrder[static_cast<std::size_t>(i)] = r;
        state.CorrectAnswers[static_cast<std::size_t>(i)] = TextAt(state.RecordValues, r);
    }
}

} // namespace

QuestionView ShowQuestion(WorkingState& state, platform::RandomSource& random) {
    const Topic topic = TopicFromIndex(state.TopicIndex);
    const int n = RecordCount(topic);

    if (state.CurrentIndex == 0)
        buildTest(state, topic, n, random);
    const int q = state.CurrentIndex;
    const int* asked = q < QuestionCount(state) ? EntryAt(state.QuestionOrder, q) : nullptr;
    if (asked == nullptr)
        return {};

    // Slot 5 exists but is never drawn into or shown.
    std::array<int, ChoiceCount + 1> choiceRecords{};
    for (std::size_t k = 0; k < ChoiceCount; ++k)
        choiceRecords[k] = -1;
    for (std::size_t k = 0; k < ChoiceCount; ++k)
        choiceRecords[k] = drawUnused(random, n, choiceRecords, k);
    // The right record may already stand at another place; it then shows twice. The
    // clamp only matters for a source that breaks its [0, 1) promise.
    const int place = std::clamp(platform::randomIndex(random, ChoiceCount - 1), 0, ChoiceCount - 1);
    choiceRecords[static_cast<std::size_t>(place)] = *asked;

    QuestionView view;
    view.topicCaption = state.TopicCaption;
    view.attributeCaption = state.AttributeCaption;
    for (std::size_t k = 0; k < ChoiceCount; ++k)
        view.choices[k] = TextAt(state.RecordValues, choiceRecords[k]);
    view.recordName = TextAt(state.RecordNames, *asked);
    view.number = q + 1;
    view.count = QuestionCount(state);
    if (topic == Topic::Houses) {
        view.title = RecordTitle(Topic::Houses, *asked);
        return view;
    }
    view.title = view.recordName;
    // The running test's length, not the topic index, picks the picture list.
    view.picture = PictureByRecordCount(QuestionCount(state), *asked);
    return view;
}

} // namespace orbelle::test
