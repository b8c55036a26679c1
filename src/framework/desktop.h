// The one seam between the program and everything outside it that a test
// must control: message boxes, opening a web address, chance, the clock, and
// the waiting turn that serves events. The program calls the free functions
// below; the framework installs the real desktop at start, and tests install
// one that records messages instead of blocking, scripts Rnd and drives Ticks.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace ulvarin {

class Desktop {
public:
    virtual ~Desktop() = default;

    virtual void ShowMessage(const std::string& text) = 0;
    virtual void OpenAddress(const std::string& address) = 0;
    // Uniform in [0, 1).
    virtual double NextRandom() = 0;
    // Grows by 60 a second.
    virtual std::int32_t TickCount() = 0;
    // Serves the events that are waiting, blocking until the next one or a
    // short timeout, whichever comes first.
    virtual void ServeEvents() = 0;
};

// Real chance and a real clock; messages go to standard error and nothing is
// served. The GUI framework's desktop builds on this one.
class BasicDesktop : public Desktop {
public:
    BasicDesktop();
    void ShowMessage(const std::string& text) override;
    void OpenAddress(const std::string& address) override;
    double NextRandom() override;
    std::int32_t TickCount() override;
    void ServeEvents() override;

private:
    std::mt19937_64 generator_;
};

// The desktop in use; `desktop` must outlive its installation. nullptr puts
// back the basic desktop.
void InstallDesktop(Desktop* desktop);
Desktop& CurrentDesktop();

// Uniform in [0, 1), fresh at each call.
double Rnd();
// A 32-bit counter that grows by 60 a second.
std::int32_t Ticks();
// A modal message; the caller goes on once it has been dismissed.
void MsgBox(const std::string& text);
// Asks the desktop to open the address in the user's browser.
void ShowURL(const std::string& address);

// The background turn that every pass of a counted loop gives the framework
// (the gene-pool set-up and the animation tick). It deliberately serves no
// events: a handler can then never run in the middle of those loops, so they
// may index the gamete and count arrays freely, and two hundred turns per
// tick cost nothing.
inline void BackgroundTurn() {}

// The waiting turn of the pause after a zygote, the one loop that lets other
// events through: the pond keeps moving and the window repaints while it
// lasts. Each turn blocks until the next event or a short timeout, so the
// pause spins no processor core. Handlers may run inside it, so code that
// calls it must not hold an iterator, reference or pointer into the gamete or
// count arrays across the call.
void WaitingTurn();

}  // namespace ulvarin
