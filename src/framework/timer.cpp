#include "timer.h"

#include <QTimer>

#include "window.h"

namespace ulvarin {

Timer::Timer(Window& owner, std::string name, std::int32_t index, std::string className)
    : Control(owner, std::move(name), index, std::move(className)), timer_(new QTimer) {
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { Fire(); });
}

Timer::~Timer() { delete timer_; }

void Timer::SetMode(std::int32_t mode) {
    mode_ = (mode == Single || mode == Multiple) ? mode : Off;
    Restart();
}

void Timer::SetPeriod(std::int32_t milliseconds) {
    period_ = milliseconds > 0 ? milliseconds : 1;
    Restart();
}

bool Timer::Running() const { return timer_->isActive(); }

void Timer::Shutdown() {
    mode_ = Off;
    timer_->stop();
}

void Timer::Restart() {
    timer_->stop();
    if (mode_ == Off || Owner().Closed()) return;
    timer_->setSingleShot(mode_ == Single);
    timer_->start(period_);
}

void Timer::Fire() {
    if (mode_ == Single) mode_ = Off;
    if (Action) Owner().Dispatch([this] { Action(); });
}

}  // namespace ulvarin
