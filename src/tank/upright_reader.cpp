#include "tank/upright_reader.h"

#include "tank/tank_messages.h"
#include "text/number_format.h"
#include "text/number_text.h"

namespace quorvel {
namespace {

namespace msg = tank_messages;

constexpr long double kTwoPi = 2 * 3.14159265358979323846L;

const std::string& cellOf(const CourseRow& row, CourseColumn column) {
    return row[static_cast<std::size_t>(column)];
}
const std::string& cellOf(const DeadwoodRow& row, DeadwoodColumn column) {
    return row[static_cast<std::size_t>(column)];
}

// One course row, the n-th from the bottom; `head`: the liquid-head correction is asked.
Outcome<UprightCourse> readCourse(const CourseRow& row, std::size_t n, bool head) {
    const std::string& heightText = cellOf(row, CourseColumn::Height);
    const std::string& diameterText = cellOf(row, CourseColumn::Diameter);
    const std::string& circumferenceText = cellOf(row, CourseColumn::Circumference);
    const std::string& thicknessText = cellOf(row, CourseColumn::Thickness);
    if (heightText.empty()) {
        return messageStop(msg::courseWithoutHeight(n));
    }
    UprightCourse course;
    course.height = textToNumber(heightText);
    if (!(course.height > 0)) {
        return messageStop(msg::courseHeightNotPositive(n));
    }
    if (!thicknessText.empty()) {
        course.thickness = textToNumber(thicknessText);
        if (!(course.thickness > 0)) {
            return messageStop(msg::courseThicknessNotPositive(n));
        }
    }
    if (!diameterText.empty()) {
        course.innerDiameter = textToNumber(diameterText);
    } else if (!circumferenceText.empty()) {
        if (thicknessText.empty()) {
            return messageStop(msg::courseCircumferenceWithoutThickness(n));
        }
        const double circumference = textToNumber(circumferenceText);
        const long double least = kTwoPi * course.thickness;
        if (!(circumference > least)) {
            return messageStop(
                msg::courseCircumferenceTooSmall(n, circumferenceText, FormatTwoDecimals(least)));
        }
        course.innerDiameter = innerDiameterFromCircumference(circumference, course.thickness);
    } else {
        return messageStop(msg::courseWithoutDiameter(n));
    }
    if (!(course.innerDiameter > 0)) {
        return messageStop(msg::courseDiameterNotPositive(n));
    }
    if (head && thicknessText.empty()) {
        return messageStop(msg::courseWithoutThicknessForHead(n));
    }
    return course;
}

Outcome<DeadwoodBand> readDeadwood(const DeadwoodRow& row, std::size_t n, double height) {
    for (const std::string& text : row) {
        if (text.empty()) {
            return messageStop(msg::deadwoodIncomplete(n));
        }
    }
    DeadwoodBand band;
    band.from = textToNumber(cellOf(row, DeadwoodColumn::From));
    band.to = textToNumber(cellOf(row, DeadwoodColumn::To));
    band.litres = textToNumber(cellOf(row, DeadwoodColumn::Litres));
    if (band.from < 0 || band.to > height || band.from > band.to) {
        return messageStop(msg::deadwoodOutside(n, cellOf(row, DeadwoodColumn::From),
                                                cellOf(row, DeadwoodColumn::To),
                                                formatLevel(height)));
    }
    return band;
}

// An optional number field: empty gives `otherwise`.
double numberOr(const FieldSource& form, std::string_view field, double otherwise) {
    const std::string text = form.text(field);
    return text.empty() ? otherwise : textToNumber(text);
}

std::optional<Stop> readRoof(const FieldSource& form, UprightTank& tank) {
    tank.roofMass = numberOr(form, kRoofMassField, 0);
    if (tank.roofMass < 0) {
        return messageStop(std::string(msg::kRoofMassNegative));
    }
    if (tank.roofMass == 0) {
        return std::nullopt;
    }
    if (form.text(kRoofLevelField).empty()) {
        return messageStop(std::string(msg::kRoofLevelMissing));
    }
    tank.roofLevel = textToNumber(form.text(kRoofLevelField));
    if (tank.roofLevel < 0) {
        return messageStop(std::string(msg::kRoofLevelNegative));
    }
    if (tank.roofLevel > tank.height()) {
        return messageStop(
            msg::roofAboveTank(formatLevel(tank.roofLevel), formatLevel(tank.height())));
    }
    if (!tank.headDensity) {
        return messageStop(std::string(msg::kRoofNeedsDensity));
    }
    return std::nullopt;
}

}  // namespace

std::optional<Stop> readUprightFields(const FieldSource& form, TankConfig& config) {
    const UprightRows rows = withoutEmptyRows(form.uprightRows());
    if (rows.courses.empty()) {
        return messageStop(std::string(msg::kUprightMissing));
    }
    UprightTank tank;
    if (!form.text(kHeadDensityField).empty()) {
        tank.headDensity = textToNumber(form.text(kHeadDensityField));
        if (!(*tank.headDensity > 0)) {
            return messageStop(std::string(msg::kHeadDensityNotPositive));
        }
    }
    tank.youngModulus = numberOr(form, kYoungModulusField, kDefaultYoungModulusGPa);
    if (!(tank.youngModulus > 0)) {
        return messageStop(std::string(msg::kYoungModulusNotPositive));
    }
    for (std::size_t i = 0; i < rows.courses.size(); ++i) {
        Outcome<UprightCourse> course =
            readCourse(rows.courses[i], i + 1, tank.headDensity.has_value());
        if (!course) {
            return course.stop();
        }
        tank.courses.push_back(*course);
    }
    tank.bottomVolume = numberOr(form, kBottomVolumeField, 0);
    for (std::size_t i = 0; i < rows.deadwood.size(); ++i) {
        Outcome<DeadwoodBand> band = readDeadwood(rows.deadwood[i], i + 1, tank.height());
        if (!band) {
            return band.stop();
        }
        tank.deadwood.push_back(*band);
    }
    if (auto stop = readRoof(form, tank)) {
        return stop;
    }
    config.upright = std::move(tank);
    return std::nullopt;
}

std::string uprightSummary(const FieldSource& form, const TankConfig& config) {
    const UprightTank& tank = config.upright;
    const UprightRows rows = withoutEmptyRows(form.uprightRows());
    std::string summary;
    auto append = [&summary](const std::string& line) {
        summary += "\r\n";
        summary += line;
    };
    const std::string bottom = form.text(kBottomVolumeField);
    append(msg::uprightLine(tank.courses.size(), formatLevel(tank.height()),
                            bottom.empty() ? "0" : bottom));
    double from = 0;
    for (std::size_t i = 0; i < tank.courses.size(); ++i) {
        const UprightCourse& course = tank.courses[i];
        const std::string& typed = cellOf(rows.courses[i], CourseColumn::Diameter);
        append(msg::uprightCourseLine(
            i + 1, formatLevel(from), formatLevel(from + course.height),
            typed.empty() ? FormatTwoDecimals(course.innerDiameter) : typed));
        from += course.height;
    }
    for (const DeadwoodRow& row : rows.deadwood) {
        append(msg::deadwoodLine(cellOf(row, DeadwoodColumn::From), cellOf(row, DeadwoodColumn::To),
                                 cellOf(row, DeadwoodColumn::Litres)));
    }
    if (tank.headDensity) {
        append(
            msg::headCorrectionLine(form.text(kHeadDensityField), formatLevel(tank.youngModulus)));
    }
    if (tank.roofMass > 0) {
        append(msg::roofLine(form.text(kRoofMassField), form.text(kRoofLevelField)));
    }
    return summary;
}

}  // namespace quorvel
