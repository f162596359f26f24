// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test/ResultReport.h"

#include "test/Answering.h"

#include <cstddef>

namespace orbelle::test {

using modLearnAstrology::TextAt;
using modLearnAstrology::WorkingState;

namespace {

constexpr const char* LineBreak = "\r\n";

int orderAt(const std::vector<int>& order, int index) {
    if (index < 0 || index >= static_cast<int>(order.size()))
        return -1;
    return order[static_cast<std::size_t>(index)];
}

} // namespace

ResultReport ShowResult(const WorkingState& state) {
    ResultReport report;
    report.total = QuestionCount(state);
    auto& pieces = report.pieces;
    pieces.reserve(static_cast<std::size_t>(3 + 5 * report.total));

    const std::string paragraph = std::string(LineBreak) + LineBreak;
    report.title = "Orbelle Result";
    report.testLine = state.TopicCaption + " - " + state.AttributeCaption;
    pieces.push_back({report.title + paragraph, true});
    pieces.push_back({report.testLine + paragraph, true});
    for (int q = 0; q < report.total; ++q) {
        const std::string& right = TextAt(state.CorrectAnswers, q);
        const std::string& given = TextAt(state.UserAnswers, q);
        pieces.push_back({"Question: " + TextAt(state.RecordNames, orderAt(state.QuestionOrder, q)) + LineBreak, true});
        pieces.push_back({"Correct Answer: ", true});
        pieces.push_back({right + LineBreak, false});
        pieces.push_back({"Your Answer: ", true});
        pieces.push_back({given + paragraph, false});
        // Table values are never empty, so an answer slot left empty never matches.
        if (given == right)
            ++report.correct;
    }
    report.scoreLine =
        std::to_string(report.correct) + " Correct out of " + std::to_string(report.total) + " Questions";
    pieces.push_back({report.scoreLine, true});
    return report;
}

} // namespace orbelle::test
