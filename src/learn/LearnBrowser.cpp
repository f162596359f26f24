// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "learn/LearnBrowser.h"

#include "knowledge/Tables.h"

namespace orbelle::learn {

using namespace modLearnAstrology;

namespace {

int upperIndex(const std::vector<std::string>& list) {
    return static_cast<int>(list.size()) - 1;
}

} // namespace

RecordView ShowRecord(WorkingState& state) {
    const Topic topic = TopicFromIndex(state.TopicIndex);
    if (state.CurrentIndex == 0)
        TakeWorkingCopies(state, topic);

    RecordView view;
    view.topicCaption = state.TopicCaption;
    view.attributeCaption = state.AttributeCaption;
    view.value = TextAt(state.RecordValues, state.CurrentIndex);
    if (topic == Topic::Houses) {
        view.title = RecordTitle(Topic::Houses, state.CurrentIndex);
        return view;
    }
    view.title = TextAt(state.RecordNames, state.CurrentIndex);
    view.picture = PictureByRecordCount(upperIndex(state.RecordValues), state.CurrentIndex);
    view.pictureName = view.title;
    view.valueIsPicture = state.AttributeIndex == 0 && view.picture;
    return view;
}

StepResult NextRecord(WorkingState& state) {
    state.CurrentIndex += 1;
    if (state.CurrentIndex < upperIndex(state.RecordValues))
        return {ShowRecord(state), std::nullopt};
    state.CurrentIndex -= 1;
    return {std::nullopt, LastRecordNotice};
}

StepResult BackRecord(WorkingState& state) {
    if (state.CurrentIndex > 0) {
        state.CurrentIndex -= 1;
        return {ShowRecord(state), std::nullopt};
    }
    state.CurrentIndex = 0;
    return {std::nullopt, FirstRecordNotice};
}

} // namespace orbelle::learn
