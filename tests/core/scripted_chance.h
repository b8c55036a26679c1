// Installs a desktop whose Rnd plays a script, for the length of a test.
#pragma once

#include <deque>

#include "framework/desktop.h"

namespace ulvarin::testing {

class ScriptedChance : public BasicDesktop {
public:
    explicit ScriptedChance(std::deque<double> script) : script_(std::move(script)) {
        InstallDesktop(this);
    }
    ~ScriptedChance() override { InstallDesktop(nullptr); }
    double NextRandom() override {
        if (script_.empty()) return 0.5;
        const double next = script_.front();
        script_.pop_front();
        return next;
    }

private:
    std::deque<double> script_;
};

}  // namespace ulvarin::testing
