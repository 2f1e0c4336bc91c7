#include "table_layout.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "gear_quantities.h"
#include "number_text.h"
#include "printable_text.h"

namespace involute::cli {

namespace {

constexpr std::array<std::string_view, 4> kRowColumns{"line", "status", "field", "message"};

// Drops blanks (space, tab, ideographic space) anywhere, lowers ASCII
// letters and reads '-' as '_'.
std::string normalized(std::string_view name) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    std::string result;
    for (std::size_t pos = 0; pos < name.size(); ++pos) {
        if (name.substr(pos).starts_with(kIdeographicSpace)) {
            pos += kIdeographicSpace.size() - 1;
            continue;
        }
        const char c = name[pos];
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (c >= 'A' && c <= 'Z') {
            result += static_cast<char>(c - 'A' + 'a');
        } else {
            result += c == '-' ? '_' : c;
        }
    }
    return result;
}

std::optional<std::size_t> inputNamed(std::string_view name) {
    const std::string key = normalized(name);
    for (std::size_t i = 0; i < calc::kInputRows.size(); ++i) {
        const calc::InputRow& input = calc::kInputRows[i];
        if (key == input.key || key == input.shortName || key == input.label) {
            return i;
        }
    }
    return std::nullopt;
}

std::string_view trimmed(std::string_view text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// The names echoed columns go out under: each column's own, or when an
// earlier echoed column or an output column has it, `name_2`, `name_3`, ...:
// JSON readers keep only the last of two equal keys. A counter per name keeps
// a header of thousands of equal (or empty) names linear.
class EchoedNames {
  public:
    std::string unique(std::string_view name) {
        std::string candidate(name);
        if (isTaken(candidate)) {
            std::size_t& suffix = nextSuffix_.try_emplace(candidate, 2).first->second;
            do {
                candidate = std::string(name) + "_" + std::to_string(suffix++);
            } while (isTaken(candidate));
        }
        taken_.insert(candidate);
        return candidate;
    }

  private:
    [[nodiscard]] bool isTaken(const std::string& candidate) const {
        return isOutputColumnName(trimmed(candidate)) || taken_.contains(candidate);
    }

    std::unordered_set<std::string> taken_;
    std::unordered_map<std::string, std::size_t> nextSuffix_;
};

// Why the six inputs could not all be found, with a hint at the likely cause.
std::string missingInputsProblem(std::span<const std::string_view> header,
                                 const std::array<std::optional<std::size_t>, 6>& found) {
    std::string problem;
    // The reader finds the separator itself, so a wrong separator cannot be
    // the cause; an encoding it could not tell can.
    bool allNumbers = true;
    for (const std::string_view cell : header) {
        allNumbers = allNumbers && calc::numberFromText(cell).ok();
    }
    if (allNumbers) {
        problem = "这一行像是数据：文件缺少表头。";
    }
    // UTF-16 without a byte order mark reads as UTF-8 with a NUL beside
    // every ASCII letter, and so does UTF-32, with or without one.
    bool hasNul = false;
    for (const std::string_view cell : header) {
        hasNul = hasNul || cell.find('\0') != std::string_view::npos;
    }
    if (hasNul) {
        problem =
            "表头中有 NUL 字符：文件可能是没有 BOM 的 UTF-16（可用 --encoding utf-16le 或 "
            "utf-16be 指定）或 UTF-32（不支持，请另存为 UTF-8）。";
    }
    problem += "表头缺少";
    bool first = true;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!found[i]) {
            problem += first ? " " : "、";
            problem += calc::kInputRows[i].label;
            problem += " (";
            problem += calc::kInputRows[i].key;
            problem += ")";
            first = false;
        }
    }
    std::string keys;
    std::string labels;
    for (const calc::InputRow& input : calc::kInputRows) {
        keys += keys.empty() ? "" : "、";
        keys += input.key;
        labels += labels.empty() ? "" : "、";
        labels += input.label;
    }
    problem += " 列。表头须含 " + keys + " 六列（或窗口中的名称 " + labels + "），顺序不限";
    return problem;
}

}  // namespace

bool isOutputColumnName(std::string_view name) {
    for (const calc::InputRow& input : calc::kInputRows) {
        if (name == input.key) {
            return true;
        }
    }
    for (const calc::ResultRow& result : calc::kResultRows) {
        if (name == result.key) {
            return true;
        }
    }
    for (const std::string_view column : kRowColumns) {
        if (name == column) {
            return true;
        }
    }
    return false;
}

TableLayoutReading layoutFromHeader(std::span<const std::string_view> header) {
    TableLayoutReading reading;
    TableLayout& layout = reading.layout;
    layout.columnCount = header.size();

    std::array<std::optional<std::size_t>, 6> found;
    EchoedNames echoedNames;
    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::optional<std::size_t> input = inputNamed(header[column]);
        if (!input) {
            if (isOutputColumnName(trimmed(header[column]))) {
                layout.droppedColumns.push_back(column);
            } else {
                layout.echoedColumns.push_back(column);
                layout.echoedNames.push_back(echoedNames.unique(header[column]));
            }
            continue;
        }
        if (found[*input]) {
            reading.problem = "表头第 " + std::to_string(*found[*input] + 1) + " 列 “" +
                              utf8::printableText(header[*found[*input]]) + "” 和第 " +
                              std::to_string(column + 1) + " 列 “" +
                              utf8::printableText(header[column]) + "” 都是" +
                              std::string(calc::kInputRows[*input].label);
            return reading;
        }
        found[*input] = column;
    }
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!found[i]) {
            reading.problem = missingInputsProblem(header, found);
            return reading;
        }
        layout.inputColumns[i] = *found[i];
    }
    return reading;
}

}  // namespace involute::cli
