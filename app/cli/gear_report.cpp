#include "gear_report.h"

#include "json_writer.h"
#include "number_text.h"
#include "roll_angles.h"
#include "utf8.h"

namespace involute::cli {

namespace {

// Terminal columns a text takes: CJK characters and full-width forms, from
// U+2E80 on, take two.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const utf8::Character character = utf8::firstCharacter(text.substr(pos));
        width += character.valid && character.codePoint >= 0x2E80 ? 2 : 1;
        pos += character.length;
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
