#include "app/cli/gear_report.h"

#include "app/cli/json_writer.h"
#include "calc/number_text.h"
#include "calc/roll_angles.h"

namespace involute::cli {

namespace {

// Terminal columns a text takes: CJK characters take two.
std::size_t displayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        // Three-byte sequences from E2 BA 80 (U+2E80) on are CJK and full-width forms.
        const bool wide = byte >= 0xE3 || (byte == 0xE2 && pos + 1 < utf8.size() &&
                                           static_cast<unsigned char>(utf8[pos + 1]) >= 0xBA);
        width += wide ? 2 : 1;
    }
    return width;
}

constexpr std::size_t kTextValueColumn = 17;
constexpr std::string_view kAbsentInText = "无";

}  // namespace

GearReport evaluateGear(const std::array<std::string_view, 6>& texts) {
    GearReport report;
    calc::InputsReading reading = calc::readInputs(texts);
    if (reading.fault) {
        report.fault = std::move(reading.fault);
        return report;
    }
    calc::GearRun run = calc::computeGear(reading.inputs);
    if (run.fault) {
        report.fault = std::move(run.fault);
        return report;
    }
    const calc::ProfileAngles angles = calc::profileAngles(run.results);
    const calc::GearResults& r = run.results;
    report.values = {r.d, r.db, r.betaB, r.pbn, r.gS, r.L, angles.alphaT, angles.xiS, angles.xiA};
    return report;
}

void appendTextResults(std::string& out, const GearReport& report) {
    for (std::size_t i = 0; i < kResultCount; ++i) {
        const calc::ResultRow& row = calc::kResultRows[i];
        out += row.name;
        out += ' ';
        out += row.symbol;
        out.append(kTextValueColumn - 2 - displayWidth(row.name) - displayWidth(row.symbol), ' ');
        const std::optional<double>& value = report.values[i];
        out += value ? calc::textFromNumber(*value) : std::string(kAbsentInText);
        out += '\n';
    }
}

void appendJsonResults(std::string& out, const GearReport& report) {
    for (std::size_t i = 0; i < kResultCount; ++i) {
        if (i > 0) {
            out += ',';
        }
        out += '"';
        out += calc::kResultRows[i].key;
        out += "\":";
        appendJsonNumber(out, report.values[i]);
    }
}

void appendJsonFault(std::string& out, const calc::GearFault& fault) {
    out += "\"code\":";
    appendJsonString(out, calc::faultCode(fault.kind));
    out += ",\"field\":";
    appendJsonString(out, calc::inputRow(fault.field).key);
    out += ",\"message\":";
    appendJsonString(out, fault.message);
}

void appendCsvResultHeader(std::string& out) {
    for (std::size_t i = 0; i < kResultCount; ++i) {
        if (i > 0) {
            out += ',';
        }
        out += calc::kResultRows[i].key;
    }
}

void appendCsvResults(std::string& out, const GearReport& report) {
    for (std::size_t i = 0; i < kResultCount; ++i) {
        if (i > 0) {
            out += ',';
        }
        if (report.values[i]) {
            out += calc::textFromNumber(*report.values[i]);
        }
    }
}

}  // namespace involute::cli
