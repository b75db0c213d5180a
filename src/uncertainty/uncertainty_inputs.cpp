#include "uncertainty/uncertainty_inputs.h"

#include <algorithm>
#include <array>

#include "form/fields.h"
#include "form/head_kinds.h"
#include "text/blank.h"
#include "text/number_format.h"
#include "text/number_text.h"
#include "uncertainty/uncertainty_messages.h"

namespace quorvel::uncertainty {
namespace {

namespace msg = uncertainty_messages;

// The dimension fields of the shells and the corrections' volumes.
constexpr std::array<std::string_view, 14> kShellFields{
    kDiameterField,      kLengthField,        kEllipseWidthField, kEllipseHeightField,
    kEllipseLengthField, kTiltAlphaField,     kTiltBetaField,     kGaugeOffsetField,
    kTiltedWidthField,   kTiltedHeightField,  kTiltedLengthField, kSphereDiameterField,
    kDeadVolumeField,    kFittingVolumeField,
};

bool headField(std::string_view name) {
    for (const HeadKindInfo& kind : headKinds()) {
        for (const HeadField& field : kind.fields) {
            if (field.left == name || field.right == name) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

double UncertaintyInputs::of(std::string_view name) const {
    auto it = std::find_if(dimensions.begin(), dimensions.end(),
                           [name](const NamedU& d) { return d.name == name; });
    return it == dimensions.end() ? 0 : it->u;
}

void UncertaintyInputs::set(std::string_view name, double u) {
    auto it = std::find_if(dimensions.begin(), dimensions.end(),
                           [name](const NamedU& d) { return d.name == name; });
    if (it == dimensions.end()) {
        dimensions.push_back({std::string(name), u});
    } else {
        it->u = u;
    }
}

bool knownInput(std::string_view name) {
    return name == kLevelName || name == kTemperatureName || name == kDensityName ||
           name == kPointsName ||
           std::find(kShellFields.begin(), kShellFields.end(), name) != kShellFields.end() ||
           headField(name);
}

std::optional<Stop> applyEntry(std::string_view entry, UncertaintyInputs& inputs) {
    const std::size_t eq = entry.find('=');
    if (eq == std::string_view::npos) {
        return errorStop(msg::notAnEntry(entry));
    }
    const std::string_view name = trimBlanks(entry.substr(0, eq));
    const std::string_view text = trimBlanks(entry.substr(eq + 1));
    if (!knownInput(name)) {
        return errorStop(msg::unknownInput(name));
    }
    const double u = textToNumber(text);
    if (u < 0) {
        return errorStop(msg::negativeU(name, text));
    }
    if (name == kLevelName) {
        inputs.level = u;
    } else if (name == kTemperatureName) {
        inputs.temperature = u;
    } else if (name == kDensityName) {
        inputs.density = u;
    } else {
        inputs.set(name, u);
    }
    return std::nullopt;
}

std::string dimensionsText(const UncertaintyInputs& inputs) {
    std::string text;
    for (const NamedU& d : inputs.dimensions) {
        if (!text.empty()) {
            text += ';';
        }
        text += d.name;
        text += '=';
        text += formatLevel(d.u);
    }
    return text;
}

Outcome<UncertaintyRequest> readUncertaintyRequest(const FieldSource& form) {
    UncertaintyRequest request;
    request.shown = form.checked(kUColumnSwitch);
    request.title = form.checked(kUTitleSwitch);
    UncertaintyInputs& in = request.inputs;
    for (auto [field, name] :
         {std::pair{kULevelField, kLevelName}, std::pair{kUTemperatureField, kTemperatureName},
          std::pair{kUDensityField, kDensityName}}) {
        const std::string text = form.text(field);
        if (trimBlanks(text).empty()) {
            continue;
        }
        if (auto stop = applyEntry(std::string(name) + "=" + text, in)) {
            return *stop;
        }
    }
    const std::string list = form.text(kUDimensionsField);
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        const std::string_view entry = trimBlanks(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (entry.empty()) {
            continue;
        }
        if (auto stop = applyEntry(entry, in)) {
            return *stop;
        }
    }
    if (const std::string limit = form.text(kULimitField); !trimBlanks(limit).empty()) {
        in.limitPercent = textToNumber(trimBlanks(limit));
        if (!(in.limitPercent > 0)) {
            return errorStop(msg::limitNotPositive(trimBlanks(limit)));
        }
    }
    return request;
}

}  // namespace quorvel::uncertainty
