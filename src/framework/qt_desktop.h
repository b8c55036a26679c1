// The real desktop behind the seam: modal message boxes, the user's browser,
// and the waiting turn that serves Qt's events.
#pragma once

#include "desktop.h"

namespace ulvarin {

class QtDesktop : public BasicDesktop {
public:
    void ShowMessage(const std::string& text) override;
    void OpenAddress(const std::string& address) override;
    void ServeEvents() override;
};

}  // namespace ulvarin
