// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "learn/LearnBrowser.h"

#include "knowledge/Tables.h"

namespace orbelle::learn {

using namespace modLearnAstrology;

namespace {

// A copy of a column with one empty entry after its last record: the upper index of
// the copy is the record count, which is the bound Next tests against.
std::vector<std::string> workingCopy(const Column& column) {
    std::vector<std::string> copy(column.begin(), column.end());
    copy.emplace_back();
    return copy;
}

int upperIndex(const std::vector<std::string>& list) {
    return static_cast<int>(list.size()) - 1;
}

} // namespace

RecordView ShowRecord(WorkingState& state) {
    const Topic topic = TopicFromIndex(state.TopicIndex);
    if (state.CurrentIndex == 0) {
        FillTopicTable(topic);
        state.RecordNames = workingCopy(NameColumn(topic));
        state.RecordValues = workingCopy(ColumnFor(topic, state.AttributeIndex));
    }

    RecordView view;
    view.topicCaption = state.TopicCaption;
    view.attributeCaption = state.AttributeCaption;
    view.value = TextAt(state.RecordValues, state.CurrentIndex);
    if (topic == Topic::Houses) {
        view.title = RecordTitle(Topic::Houses, state.CurrentIndex);
        return view;
    }
    view.title = TextAt(state.RecordNames, state.CurrentIndex);
    // The picture list follows the walk's record count: ten records are the planets.
    const Topic pictures =
        upperIndex(state.RecordValues) == RecordCount(Topic::Planets) ? Topic::Planets : Topic::Signs;
    view.picture = PictureFor(pictures, state.CurrentIndex);
    view.pictureName = view.title;
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
