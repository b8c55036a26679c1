// The base of everything a window holds: a name, an index within a control
// array, and the window that owns it.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace ulvarin {

class Window;

// The index of a control that belongs to no control array.
inline constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

class Control {
public:
    // `className` is the control's class as the window's layout names it
    // ("Canvas", "WindowPond.STNumZygs", ...).
    Control(Window& owner, std::string name, std::int32_t index, std::string className);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    std::int32_t Index() const { return index_; }
    const std::string& ClassName() const { return className_; }
    Window& Owner() const { return owner_; }

    // Called when the owning window closes: stop anything that could still
    // raise an event.
    virtual void Shutdown() {}

private:
    Window& owner_;
    std::string name_;
    std::int32_t index_;
    std::string className_;
};

}  // namespace ulvarin
