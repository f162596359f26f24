// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/Pictures.h"
#include "knowledge/WorkingState.h"

#include <optional>
#include <string>
#include <string_view>

// The learn screen's record browser: one record of the chosen topic at a time,
// stepped with Back and Next. The functions work on the main window's working state
// and return what the screen must show; the window only applies it.
namespace orbelle::learn {

inline constexpr std::string_view FirstRecordNotice = "You are at the first record";
inline constexpr std::string_view LastRecordNotice = "You are at the last record";

struct RecordView {
    std::string topicCaption;     // lblLabel(0)
    std::string attributeCaption; // lblLabel(1)
    std::string title;            // lblLabel(2): the record's name, or "1st House" ... for houses
    std::string value;            // lblLabel(3), as stored ("8 && 9")
    const modLearnAstrology::Picture* picture = nullptr; // nullptr: hide the picture box
    std::string pictureName;                             // whose glyph the picture shows, e.g. "Aries"
    // "Glyphs (Image)": what is learnt is the picture itself, so it is described in words.
    bool valueIsPicture = false;
};

// Shows the record at CurrentIndex. At index 0 it first refills the topic's table and
// takes fresh working copies of its name column and of the chosen attribute's column,
// each with a spare empty entry after the last record.
RecordView ShowRecord(modLearnAstrology::WorkingState& state);

// The outcome of Back or Next: a record to show, or a notice when the walk is at an
// end (the record on show then stays as it is).
struct StepResult {
    std::optional<RecordView> record;
    std::optional<std::string_view> notice;
};

StepResult NextRecord(modLearnAstrology::WorkingState& state);
StepResult BackRecord(modLearnAstrology::WorkingState& state);

} // namespace orbelle::learn
