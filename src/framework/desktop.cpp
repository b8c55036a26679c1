#include "desktop.h"

#include <chrono>
#include <iostream>
#include <thread>

namespace ulvarin {

namespace {

Desktop*& Installed() {
    static Desktop* installed = nullptr;
    return installed;
}

BasicDesktop& Basic() {
    static BasicDesktop basic;
    return basic;
}

}  // namespace

BasicDesktop::BasicDesktop() : generator_(std::random_device{}()) {}

void BasicDesktop::ShowMessage(const std::string& text) { std::cerr << text << '\n'; }

void BasicDesktop::OpenAddress(const std::string& address) { std::cerr << address << '\n'; }

double BasicDesktop::NextRandom() {
    // 53 random bits give every Double of the form k / 2^53 in [0, 1).
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

std::int32_t BasicDesktop::TickCount() {
    using Tick = std::chrono::duration<std::int64_t, std::ratio<1, 60>>;
    static const auto start = std::chrono::steady_clock::now();
    const auto ticks = std::chrono::duration_cast<Tick>(std::chrono::steady_clock::now() - start);
    // The counter wraps like any 32-bit tick counter; the conversion is modular.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ticks.count()));
}

void BasicDesktop::ServeEvents() { std::this_thread::sleep_for(std::chrono::milliseconds(10)); }

void InstallDesktop(Desktop* desktop) { Installed() = desktop; }

Desktop& CurrentDesktop() {
    Desktop* installed = Installed();
    return installed != nullptr ? *installed : Basic();
}

double Rnd() { return CurrentDesktop().NextRandom(); }
std::int32_t Ticks() { return CurrentDesktop().TickCount(); }
void MsgBox(const std::string& text) { CurrentDesktop().ShowMessage(text); }
void ShowURL(const std::string& address) { CurrentDesktop().OpenAddress(address); }
void WaitingTurn() { CurrentDesktop().ServeEvents(); }

}  // namespace ulvarin
