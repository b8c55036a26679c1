// A desktop for tests: records message boxes and addresses instead of
// showing them, plays scripted random numbers, and drives the tick clock.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "framework/desktop.h"

namespace ulvarin::testing {

class RecordingDesktop : public Desktop {
public:
    void ShowMessage(const std::string& text) override;
    void OpenAddress(const std::string& address) override;
    double NextRandom() override;
    std::int32_t TickCount() override { return ticks; }
    // Serves what is waiting without blocking, then lets the clock run on.
    void ServeEvents() override;

    std::vector<std::string> messages;
    std::vector<std::string> addresses;
    // Played first; when empty, a seeded generator takes over.
    std::deque<double> randoms;
    std::int32_t ticks = 0;
    std::int32_t ticksPerTurn = 1;
    int waitingTurns = 0;
    // Run inside a message box or a waiting turn, as a user acting there would.
    std::function<void()> duringMessage;
    std::function<void()> duringTurn;

private:
    std::mt19937_64 generator_{20261207};
};

}  // namespace ulvarin::testing
