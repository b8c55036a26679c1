// A timer: raises Action once (mode 1) or every Period milliseconds (mode 2)
// on the window that owns it (Owner()); mode 0 is off. It stops for good when
// its window closes.
#pragma once

#include <cstdint>
#include <functional>

#include "control.h"

class QTimer;

namespace ulvarin {

class Timer : public Control {
public:
    enum Mode : std::int32_t { Off = 0, Single = 1, Multiple = 2 };

    Timer(Window& owner, std::string name, std::int32_t index = kNoIndex,
          std::string className = "Timer");
    ~Timer() override;

    std::int32_t Mode() const { return mode_; }
    // Setting the mode or the period starts the count anew.
    void SetMode(std::int32_t mode);
    std::int32_t Period() const { return period_; }
    void SetPeriod(std::int32_t milliseconds);

    bool Running() const;
    void Shutdown() override;

    std::function<void()> Action;

private:
    void Restart();
    void Fire();

    QTimer* timer_;
    std::int32_t mode_ = Off;
    std::int32_t period_ = 1000;
};

}  // namespace ulvarin
