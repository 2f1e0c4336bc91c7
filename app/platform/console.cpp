// The streams are the process's own on every system; what a system changes
// is how they reach a console (console_*.cpp).
#include "console.h"

#include <iostream>

namespace involute::platform {

std::istream& StandardStreams::in() const {
    return std::cin;
}

std::ostream& StandardStreams::out() const {
    return std::cout;
}

std::ostream& StandardStreams::err() const {
    return std::cerr;
}

}  // namespace involute::platform
