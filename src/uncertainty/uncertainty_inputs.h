// What the user states of the inputs' uncertainty: a standard uncertainty (k = 1) for the
// level reading, for each dimension of the tank by its field name, for the calibration points'
// volumes, for the temperatures and the hydrometer reading; the limit of the relative expanded
// uncertainty above which a table row is marked; and whether U is shown at all. Read from the
// stored controls of the dialog "不确定度…" (form/uncertainty_controls.h), which quorvel-table's
// --u fills too.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/field_source.h"
#include "tank/outcome.h"

namespace quorvel::uncertainty {

// The defaults when a u is not stated: a tape and bob read to the millimetre (level), a
// thermometer of 0.2 °C divisions, a hydrometer of 0.5 kg/m³ divisions read to 0.2 kg/m³
// (GB/T 1884); 0.4 % is the usual limit of the expanded uncertainty of a horizontal tank's
// table (JJG 266).
inline constexpr double kDefaultLevelU = 1.0;        // mm
inline constexpr double kDefaultTemperatureU = 0.2;  // °C
inline constexpr double kDefaultDensityU = 0.2;      // kg/m³
inline constexpr double kDefaultLimitPercent = 0.4;  // % of the volume

// The names of the inputs that are not a dimension field.
inline constexpr std::string_view kLevelName = "level";
inline constexpr std::string_view kTemperatureName = "temperature";
inline constexpr std::string_view kDensityName = "density";
inline constexpr std::string_view kPointsName = "points";  // every calibration point's volume

// A dimension's standard uncertainty, in the unit of its field (mm, degrees, L).
struct NamedU {
    std::string name;
    double u = 0;
    bool operator==(const NamedU&) const = default;
};

struct UncertaintyInputs {
    double level = kDefaultLevelU;
    double temperature = kDefaultTemperatureU;
    double density = kDefaultDensityU;
    std::vector<NamedU> dimensions;  // one per name
    double limitPercent = kDefaultLimitPercent;

    // The u stated for a dimension field or "points"; 0 when none is.
    double of(std::string_view name) const;
    // Sets a dimension's u, replacing one stated before.
    void set(std::string_view name, double u);
};

// Whether `name` may be given a u: a dimension field of some tank (a shell's, a head's, the dead
// volume Edit13 or the fitting's volume Edit31), "points", "level", "temperature", "density".
bool knownInput(std::string_view name);

// One entry "NAME=VALUE" (as --u takes it) put into `inputs`. A stop for a text without "=",
// an unknown name or a negative value; throws ConversionError for a value that is no number.
std::optional<Stop> applyEntry(std::string_view entry, UncertaintyInputs& inputs);

// The dimensions' list as stored ("Edit1=0.5;Edit2=2"), in the order of `inputs`.
std::string dimensionsText(const UncertaintyInputs& inputs);

// What a form asks of the uncertainty.
struct UncertaintyRequest {
    bool shown = false;  // the U column, the quick "± U", the ticket's U lines
    bool title = false;  // the title block's 不确定度 is the greatest relative U
    UncertaintyInputs inputs;
};

// Reads the stored controls: each empty field holds its default. A stop for any entry
// applyEntry refuses and for a limit not above zero; ConversionError for a text that is no
// number.
Outcome<UncertaintyRequest> readUncertaintyRequest(const FieldSource& form);

}  // namespace quorvel::uncertainty
