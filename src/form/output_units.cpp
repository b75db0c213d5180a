#include "form/output_units.h"

#include <array>

namespace quorvel {
namespace {

using K = ControlKind;

// A unit changes every number shown, so each clears every result.
constexpr std::array<ControlInfo, 3> kControls{{
    {kLengthUnitList, K::List, RadioGroup::None, true},
    {kVolumeUnitList, K::List, RadioGroup::None, true},
    {kMassUnitList, K::List, RadioGroup::None, true},
}};

template <std::size_t N>
std::vector<std::string> wordsOf(const std::array<units::Unit, N>& list) {
    std::vector<std::string> words;
    for (const units::Unit& unit : list) {
        words.emplace_back(unit.word);
    }
    return words;
}

template <std::size_t N>
const units::Unit* chosen(const FieldSource& form, std::string_view control,
                          const std::array<units::Unit, N>& list) {
    const units::Unit* unit = units::unitOf(list, form.text(control));
    return unit == nullptr ? &list[0] : unit;
}

}  // namespace

std::span<const ControlInfo> outputUnitControls() {
    return kControls;
}

const std::vector<std::string>& outputUnitEntries(std::string_view list) {
    static const std::vector<std::string> lengths = wordsOf(units::kLengthUnits);
    static const std::vector<std::string> volumes = wordsOf(units::kVolumeUnits);
    static const std::vector<std::string> masses = wordsOf(units::kMassUnits);
    static const std::vector<std::string> none;
    if (list == kLengthUnitList)
        return lengths;
    if (list == kVolumeUnitList)
        return volumes;
    if (list == kMassUnitList)
        return masses;
    return none;
}

units::OutputUnits readOutputUnits(const FieldSource& form) {
    return {chosen(form, kLengthUnitList, units::kLengthUnits),
            chosen(form, kVolumeUnitList, units::kVolumeUnits),
            chosen(form, kMassUnitList, units::kMassUnits)};
}

}  // namespace quorvel
