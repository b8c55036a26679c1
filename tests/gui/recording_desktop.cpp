#include "recording_desktop.h"

#include <QCoreApplication>

namespace ulvarin::testing {

void RecordingDesktop::ShowMessage(const std::string& text) {
    messages.push_back(text);
    if (duringMessage) duringMessage();
}

void RecordingDesktop::OpenAddress(const std::string& address) { addresses.push_back(address); }

double RecordingDesktop::NextRandom() {
    if (!randoms.empty()) {
        const double next = randoms.front();
        randoms.pop_front();
        return next;
    }
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

void RecordingDesktop::ServeEvents() {
    ++waitingTurns;
    QCoreApplication::processEvents();
    if (duringTurn) duringTurn();
    ticks += ticksPerTurn;
}

}  // namespace ulvarin::testing
