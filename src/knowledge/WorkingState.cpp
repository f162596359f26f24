// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/WorkingState.h"

#include "knowledge/Tables.h"

namespace orbelle::modLearnAstrology {

namespace {

void takeWorkingCopy(std::vector<std::string>& copy, const Column& column) {
    copy.assign(column.begin(), column.end());
    copy.emplace_back();
}

} // namespace

void TakeWorkingCopies(WorkingState& state, Topic topic) {
    FillTopicTable(topic);
    takeWorkingCopy(state.RecordNames, NameColumn(topic));
    takeWorkingCopy(state.RecordValues, ColumnFor(topic, state.AttributeIndex));
}

} // namespace orbelle::modLearnAstrology
