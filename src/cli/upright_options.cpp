#include "cli/upright_options.h"

#include <array>
#include <string>
#include <vector>

#include "cli/cli_messages.h"
#include "form/upright_fields.h"

namespace quorvel::cli {
namespace {

namespace msg = cli_messages;

// VALUE split at its colons into `least` … `most` texts, as typed (an empty one stays empty
// for the page's own checks); another count is a usage error naming the option's form.
std::vector<std::string> parts(std::string_view option, std::string_view form,
                               std::string_view value, std::size_t least, std::size_t most) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t colon = value.find(':', start);
        out.emplace_back(value.substr(start, colon - start));
        if (colon == std::string_view::npos) {
            break;
        }
        start = colon + 1;
    }
    if (out.size() < least || out.size() > most) {
        throw UsageError(msg::uprightSyntax(option, form, value));
    }
    return out;
}

void recordRing(TableOptions& o, std::string_view v) {
    o.uprightGiven = true;
    const std::vector<std::string> p = parts("--ring", "HEIGHT:DIAMETER[:THICKNESS]", v, 2, 3);
    o.upright.courses.push_back({p[0], p[1], "", p.size() == 3 ? p[2] : ""});
}

void recordRingCircumference(TableOptions& o, std::string_view v) {
    o.uprightGiven = true;
    const std::vector<std::string> p =
        parts("--ring-circumference", "HEIGHT:CIRCUMFERENCE:THICKNESS", v, 3, 3);
    o.upright.courses.push_back({p[0], "", p[1], p[2]});
}

void recordDeadwood(TableOptions& o, std::string_view v) {
    o.uprightGiven = true;
    const std::vector<std::string> p = parts("--deadwood", "FROM:TO:LITRES", v, 3, 3);
    o.upright.deadwood.push_back({p[0], p[1], p[2]});
}

template <const std::string_view& Control>
void setControl(TableOptions& options, std::string_view value) {
    options.uprightGiven = true;
    options.edits.push_back(
        {FormEdit::Kind::Control, std::string(Control), 0, 0, std::string(value)});
}

const std::array<OptionSpec, 8> kUprightOptions{{
    {"--ring", "HEIGHT:DIAMETER[:THICKNESS]",
     "an upright tank's course (--shell vertical), repeated from the bottom up: its height,\n"
     "inner diameter and plate thickness, mm (the thickness is needed by --head-density)",
     recordRing},
    {"--ring-circumference", "HEIGHT:CIRCUMFERENCE:THICKNESS",
     "a course given by its strapped outside circumference: inner diameter C/π − 2 × thickness",
     recordRingCircumference},
    {"--bottom-volume", "L", "the volume below the dip zero (底量), litres",
     setControl<kBottomVolumeField>},
    {"--deadwood", "FROM:TO:LITRES",
     "deadwood in the band FROM … TO mm (repeated): positive litres taken away, negative\n"
     "added, linearly through the band and whole above it",
     recordDeadwood},
    {"--head-density", "RHO",
     "the liquid-head correction's density basis, kg/m³: the shell's expansion under the\n"
     "liquid is added to every volume, and --csv adds ,head_litres to each row",
     setControl<kHeadDensityField>},
    {"--young-modulus", "GPA", "the plates' Young's modulus, GPa (206 when not given)",
     setControl<kYoungModulusField>},
    {"--roof-mass", "KG",
     "a floating roof's mass: from --roof-level up, mass / --head-density is taken away",
     setControl<kRoofMassField>},
    {"--roof-level", "MM", "the level from which the floating roof floats, mm",
     setControl<kRoofLevelField>},
}};

}  // namespace

std::span<const OptionSpec> uprightOptions() {
    return kUprightOptions;
}

void checkUprightOptions(const TableOptions& o) {
    // --set UprightEdit1=… stays a plain control edit, as for any stored control.
    if (o.uprightGiven && o.page != kUprightPage) {
        throw UsageError(std::string(msg::kUprightOptionsAlone));
    }
}

}  // namespace quorvel::cli
