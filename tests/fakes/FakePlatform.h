// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Scripted stand-ins for the platform seams: they record what the program asked
// for and answer what the test scripted.

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"

#include <cmath>
#include <deque>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace orbelle::fakes {

using namespace orbelle::platform;

struct ShownMessage {
    std::string text;
    MessageButtons buttons;
    std::string caption;
};

class FakeMessageBox final : public MessageBox {
public:
    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers; // scripted answers, in order; Ok/No when none is left

    MessageAnswer show(const std::string& text, MessageButtons buttons, const std::string& caption) override {
        shown.push_back({text, buttons, caption});
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
};

class FakeClipboard final : public Clipboard {
public:
    int clears = 0;
    void clear() noexcept override { ++clears; }
};

class FakeShell final : public Shell {
public:
    std::vector<std::string> opened;
    void open(const std::string& address) noexcept override { opened.push_back(address); }
};

class FakeSingleInstance final : public SingleInstance {
public:
    bool running = false;
    int checks = 0;
    bool anotherIsRunning() override {
        ++checks;
        return running;
    }
};

class FakeSettingsStore final : public SettingsStore {
public:
    using Address = std::tuple<std::string, std::string, std::string>;
    std::map<Address, std::string> entries;
    bool failReads = false;
    bool failWrites = false;
    int reads = 0;
    int writes = 0;

    std::optional<std::string> read(const std::string& application, const std::string& section, const std::string& key,
                                    const std::string& fallback) override {
        ++reads;
        const auto found = entries.find({application, section, key});
        if (failReads)
            return std::nullopt;
        if (found == entries.end())
            return fallback;
        return found->second;
    }
    bool write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override {
        ++writes;
        if (failWrites)
            return false;
        entries[{application, section, key}] = value;
        return true;
    }
};

class FakeClock final : public Clock {
public:
    std::chrono::year_month_day date{std::chrono::year{2026}, std::chrono::month{12}, std::chrono::day{6}};
    std::uint32_t seed = 12345;
    int seedReads = 0;
    std::chrono::year_month_day today() override { return date; }
    std::uint32_t seedValue() override {
        ++seedReads;
        return seed;
    }
};

// Answers the scripted draws in order; running out is a fault of the test.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> draws)
        : m_draws(draws) {}

    std::vector<std::uint32_t> seeds; // every seeding, in order

    void seed(std::uint32_t value) override { seeds.push_back(value); }
    void push(float u) { m_draws.push_back(u); }
    int drawsTaken() const { return m_taken; }
    bool exhausted() const { return m_draws.empty(); }

    float nextSingle() override {
        if (m_draws.empty())
            throw std::logic_error("ScriptedRandom: no scripted draw left");
        const float u = m_draws.front();
        m_draws.pop_front();
        ++m_taken;
        return u;
    }

private:
    std::deque<float> m_draws;
    int m_taken = 0;
};

// A draw u that makes nearest(u * m) come out as `index`, well inside its band.
inline float drawFor(int index, int m) {
    if (index >= m)
        return std::nextafter(1.0f, 0.0f); // the largest draw below 1
    return static_cast<float>(index) / static_cast<float>(m);
}

} // namespace orbelle::fakes
