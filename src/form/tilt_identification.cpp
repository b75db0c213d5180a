#include "form/tilt_identification.h"

#include <array>

#include "form/fields.h"

namespace quorvel {
namespace {

// The figures enter no result of the window: only the title block of the next table.
constexpr std::array<ControlInfo, 1> kControls{{
    {kTiltFitField, ControlKind::Edit, RadioGroup::None, true, 0},
}};

}  // namespace

std::span<const ControlInfo> tiltIdentificationControls() {
    return kControls;
}

std::string alphaMark(std::string_view alpha) {
    return "α " + std::string(alpha) + "°";
}

std::string betaMark(std::string_view beta) {
    return "β " + std::string(beta) + "°";
}

std::string appliedTiltFigures(const FieldSource& form) {
    std::string figures = form.text(kTiltFitField);
    if (figures.empty() || !figures.starts_with(alphaMark(form.text(kTiltAlphaField)) + " ") ||
        figures.find("，" + betaMark(form.text(kTiltBetaField)) + " ") == std::string::npos) {
        return {};
    }
    return figures;
}

}  // namespace quorvel
