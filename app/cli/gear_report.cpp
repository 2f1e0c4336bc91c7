#include "gear_report.h"

#include "display_width.h"
#include "json_writer.h"
#include "number_text.h"
#include "roll_angles.h"

namespace involute::cli {

namespace {

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
    report.values = calc::quantityValues(run.results);
    return report;
}

void appendTextResults(std::string& out, const GearReport& report) {
    for (std::size_t i = 0; i < kResultCount; ++i) {
        const calc::ResultRow& row = calc::kResultRows[i];
        out += row.name;
        out += ' ';
        out += row.symbol;
        out.append(kTextValueColumn - 2 - displayWidth(row.name) - displayWidth(row.symbol), ' ');
        const std::optional<double>& value = report.values[row.quantity];
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
        appendJsonNumber(out, report.values.values[i]);
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
        if (report.values.values[i]) {
            out += calc::textFromNumber(*report.values.values[i]);
        }
    }
}

}  // namespace involute::cli
