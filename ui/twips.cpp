#include "twips.h"

#include <algorithm>
#include <cmath>

namespace involute::ui {

int pixelsFromTwips(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

int clampedStart(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

}  // namespace involute::ui
