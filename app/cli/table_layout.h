// Which column of a batch table holds which input, from its header.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace involute::cli {

struct TableLayout {
    std::size_t columnCount = 0;
    // The column of each input, in reading order (m, z, αn, β, da, dS).
    std::array<std::size_t, 6> inputColumns{};
    // Other columns, echoed in the output under their own names.
    std::vector<std::size_t> echoedColumns;
    std::vector<std::string> echoedNames;
    // Columns named like output columns, results of an earlier run: left
    // out, as the output computes them anew.
    std::vector<std::size_t> droppedColumns;
};

struct TableLayoutReading {
    TableLayout layout;
    std::string problem;  // why the header does not describe a gear table; empty when it does
};

// Header names are matched ignoring blanks, ASCII case and '-' against '_':
// the calc option names ("module", "tip-diameter", "tip_diameter"), their
// short forms ("m", "z", "alpha", "beta", "da", "ds") and the window's labels
// ("模数", "齿  数", ...), in any order. A column named like an output column
// ("d", "status", ...) holds results of an earlier run and is not echoed.
[[nodiscard]] TableLayoutReading layoutFromHeader(std::span<const std::string_view> header);

// The names of the output columns that are not echoed inputs.
[[nodiscard]] bool isOutputColumnName(std::string_view name);

}  // namespace involute::cli
