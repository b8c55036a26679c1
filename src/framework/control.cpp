#include "control.h"

#include <utility>

namespace ulvarin {

Control::Control(Window& owner, std::string name, std::int32_t index, std::string className)
    : owner_(owner), name_(std::move(name)), index_(index), className_(std::move(className)) {}

}  // namespace ulvarin
