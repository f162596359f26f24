// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the knowledge base as JSON, so that the screen reader walk compares what it
// hears with the program's own texts rather than with a copy that could drift.
// Texts are printed as stored: CR LF line breaks and doubled ampersands included.

#include "knowledge/Captions.h"
#include "knowledge/Pictures.h"
#include "knowledge/Tables.h"

#include <cstdio>
#include <string>
#include <string_view>

using namespace orbelle::modLearnAstrology;

namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c; // UTF-8 passes through unchanged
        }
    }
    return out + '"';
}

template <typename Texts> std::string array(const Texts& texts) {
    std::string out = "[";
    for (const auto& text : texts) {
        if (out.size() > 1)
            out += ", ";
        out += quoted(text);
    }
    return out + "]";
}

} // namespace

int main() {
    const auto learnCaptions = TopicCaptions(Mode::Learn);
    const auto testCaptions = TopicCaptions(Mode::Test);
    std::string out = "{\"topics\": [\n";
    for (int t = 0; t < 3; ++t) {
        const Topic topic = TopicFromIndex(t);
        FillTopicTable(topic);
        const auto captions = AttributeCaptions(topic);
        std::vector<std::string> titles;
        std::vector<std::string_view> glyphs; // what each glyph picture looks like, in words
        for (int r = 0; r < RecordCount(topic); ++r) {
            titles.push_back(RecordTitle(topic, r));
            if (const Picture* picture = PictureFor(topic, r))
                glyphs.push_back(picture->description);
        }
        if (t > 0)
            out += ",\n";
        out += "{\"learnCaption\": " + quoted(learnCaptions[std::size_t(t)]);
        out += ",\n \"testCaption\": " + quoted(testCaptions[std::size_t(t)]);
        out += ",\n \"records\": " + array(NameColumn(topic));
        out += ",\n \"titles\": " + array(titles);
        out += ",\n \"glyphs\": " + array(glyphs);
        out += ",\n \"attributes\": [";
        for (std::size_t a = 0; a < captions.size(); ++a) {
            out += a == 0 ? "\n  " : ",\n  ";
            out += "{\"caption\": " + quoted(captions[a]) +
                   ", \"values\": " + array(ColumnFor(topic, static_cast<int>(a))) + "}";
        }
        out += "]}";
    }
    out += "\n]}\n";
    std::fputs(out.c_str(), stdout);
    return std::ferror(stdout) ? 1 : 0;
}
