// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "test/ResultReport.h"

#include <string>

namespace orbelle::test {

// The pieces joined, as the result box reads once the report is written.
inline std::string PlainText(const ResultReport& report) {
    std::string text;
    for (const ReportPiece& piece : report.pieces)
        text += piece.text;
    return text;
}

} // namespace orbelle::test
