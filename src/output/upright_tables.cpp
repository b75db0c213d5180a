#include "output/upright_tables.h"

#include "output/output_messages.h"
#include "output/table_document.h"
#include "text/number_format.h"

namespace quorvel {
namespace {

namespace msg = output_messages;

SideTable millimetreTable(const UprightTank& tank) {
    SideTable table{msg::kMillimetreTableName,
                    {msg::kCourseHeading, msg::kCourseFromHeading, msg::kCourseToHeading,
                     msg::kInnerDiameterHeading, msg::kLitresPerMmHeading},
                    {}};
    double from = 0;
    for (std::size_t i = 0; i < tank.courses.size(); ++i) {
        const UprightCourse& course = tank.courses[i];
        const double to = from + course.height;
        // Three decimals, rounded as the increment column rounds its litres per millimetre.
        table.rows.push_back({std::to_string(i + 1), formatLevel(from), formatLevel(to),
                              FormatTwoDecimals(course.innerDiameter),
                              incrementText({0, 0}, {1, litresPerMillimetre(course)})});
        from = to;
    }
    return table;
}

SideTable headTable(const TankConfig& config) {
    SideTable table{msg::headTableName(formatLevel(*config.upright.headDensity)),
                    {msg::kLevelHeading, msg::kHeadCorrectionHeading},
                    {}};
    const double top = config.height();
    for (double level = 0;; level += kHeadTableStep) {
        const double at = level < top ? level : top;
        table.rows.push_back({formatLevel(at), headLitresText(config, at)});
        if (at >= top) {
            break;
        }
    }
    return table;
}

}  // namespace

bool hasHeadColumn(const TankConfig& config) {
    return config.shellKind == ShellKind::Upright && config.upright.headDensity.has_value();
}

std::string headLitresText(const TankConfig& config, double level) {
    const double litres =
        hasHeadColumn(config)
            ? headExpansion(config.upright, config.limitToTank(level), *config.upright.headDensity)
            : 0;
    return FormatTwoDecimals(litres);
}

std::vector<SideTable> uprightTables(const TankConfig& config) {
    if (config.shellKind != ShellKind::Upright) {
        return {};
    }
    std::vector<SideTable> tables{millimetreTable(config.upright)};
    if (hasHeadColumn(config)) {
        tables.push_back(headTable(config));
    }
    return tables;
}

std::vector<std::pair<std::string, std::string>> uprightTitleItems(const TankConfig& config) {
    const UprightTank& tank = config.upright;
    std::vector<std::pair<std::string, std::string>> items{
        {msg::kBottomVolumeLabel, formatLevel(tank.bottomVolume) + " L"}};
    if (tank.headDensity) {
        items.emplace_back(
            msg::kHeadBasisLabel,
            msg::headBasisText(formatLevel(*tank.headDensity), formatLevel(tank.youngModulus)));
    }
    return items;
}

}  // namespace quorvel
