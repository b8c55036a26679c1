// The exceptions the framework raises.
#pragma once

#include <stdexcept>
#include <string>

namespace ulvarin {

// Using an object that is not there: a control looked up by a name the window
// does not hold, a picture that could not be made, a cast that failed.
class NilObjectException : public std::runtime_error {
public:
    explicit NilObjectException(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace ulvarin
