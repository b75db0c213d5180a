#include "tank/tank_reader.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <stdexcept>
#include <string_view>

#include "geometry/geometry.h"
#include "tank/head_fields.h"
#include "tank/number_text.h"

namespace quorvel {
namespace {

constexpr std::string_view kShellMissing = "呵呵，中间圆筒数据还没输完呢！";
constexpr std::string_view kTiltedMissing = "呵呵，倾斜圆筒数据还没输完呢！";
constexpr std::string_view kSphereMissing = "呵呵，球罐数据还没输完呢！";
constexpr std::string_view kPointsMissing = "呵呵，标定点数据还没输完呢！";
constexpr std::string_view kTableMissing = "呵呵，容积表数据还没输完呢！";
constexpr std::string_view kLeftMissing = "呵呵，左封头数据还没输完呢！";
constexpr std::string_view kRightMissing = "呵呵，右封头数据还没输完呢！";

constexpr std::string_view kLineBreak = "\r\n";

// The correction fields a calibrated tank zeroes: dead volume and the fitting.
constexpr std::array<std::string_view, 4> kCorrectionFields{"Edit13", "Edit31", "Edit32", "Edit33"};

// True when every field has text; otherwise shows the group's message.
bool present(const FieldSource& form, UiServices& ui,
             std::initializer_list<std::string_view> fields, std::string_view message) {
    for (std::string_view name : fields) {
        if (form.text(name).empty()) {
            ui.showMessage(message);
            return false;
        }
    }
    return true;
}

double number(const FieldSource& form, std::string_view name) {
    return textToNumber(form.text(name));
}

// Reads the n + 1 points (origin row and n point rows) column by column, levels first.
bool readCalibrationPoints(const FieldSource& form, UiServices& ui, TankConfig& config) {
    const int n = textToInteger(form.text("ComboBox2"));
    if (n < 1) {
        // The list offers 2 … 999; fewer than two points cannot be interpolated.
        throw std::runtime_error("标定点数“" + form.text("ComboBox2") + "”无效");
    }
    CalibrationPoints points;
    for (auto [column, values] : {std::pair{1, &points.levels}, std::pair{2, &points.volumes}}) {
        values->reserve(static_cast<std::size_t>(n) + 1);
        for (int row = 1; row <= n + 1; ++row) {
            const std::string text = form.cell(column, row);
            if (text.empty()) {
                ui.showMessage(kPointsMissing);
                return false;
            }
            values->push_back(textToNumber(text));
        }
    }
    points.ascending = std::is_sorted(points.levels.begin(), points.levels.end());
    config.calibrationPoints = std::move(points);
    return true;
}

double standardFlange(double referenceDiameter) {
    return referenceDiameter <= 2000 ? 25 : 40;
}

double referenceDiameter(const TankConfig& config) {
    if (config.shellKind == ShellKind::Tilted || config.sectionKind == SectionKind::Elliptical) {
        return config.horizontalDiameter;
    }
    return config.diameter;
}

const HeadKindInfo* chosenKind(const FieldSource& form, HeadSide side) {
    for (const HeadKindInfo& info : headKinds()) {
        if (form.checked(side == HeadSide::Left ? info.leftRadio : info.rightRadio)) {
            return &info;
        }
    }
    return nullptr;
}

bool readHead(const FieldSource& form, UiServices& ui, HeadSide side, const TankConfig& config,
              HeadSpec& head) {
    const std::string_view message = side == HeadSide::Left ? kLeftMissing : kRightMissing;
    const HeadKindInfo* info = chosenKind(form, side);
    if (info == nullptr) {
        // Nothing may be computed from a kind nobody chose.
        ui.showMessage(message);
        return false;
    }
    head = HeadSpec{};
    head.kind = info->kind;
    if (info->kind == HeadKind::StandardEllipsoidal || info->kind == HeadKind::StandardDished) {
        head.flangeHeight = standardFlange(referenceDiameter(config));
    }
    for (const HeadField& field : info->fields) {
        const std::string text = form.text(fieldOn(field, side));
        if (text.empty()) {
            ui.showMessage(message);
            return false;
        }
        const double value = textToNumber(text);
        switch (field.dimension) {
            case HeadDimension::Flange:
                head.flangeHeight = value;
                break;
            case HeadDimension::Depth:
                head.depth = value;
                break;
            case HeadDimension::ConeHeight:
                head.coneHeight = value;
                break;
            case HeadDimension::SmallDiameter:
                head.smallDiameter = value;
                break;
            case HeadDimension::SphereRadius:
                head.sphereRadius = value;
                break;
        }
    }
    head.subtract = form.itemIndex(side == HeadSide::Left ? "ComboBox3" : "ComboBox4") == 1;
    return true;
}

bool readTableFields(const FieldSource& form, UiServices& ui, TankConfig& config) {
    if (!present(form, ui,
                 {"Edit6", "Edit7", "Edit8", "Edit9", "Edit13", "Edit31", "Edit32", "Edit33"},
                 kTableMissing)) {
        return false;
    }
    config.levelFrom = number(form, "Edit6");
    config.levelTo = clampToTank(config, number(form, "Edit7"));
    config.levelStep = number(form, "Edit8");
    config.rowsPerColumnText = form.text("Edit9");
    config.rowsPerColumn = textToNumber(config.rowsPerColumnText);
    config.deadVolume = number(form, "Edit13");
    config.fittingVolume = number(form, "Edit31");
    config.fittingBottom = number(form, "Edit32");
    config.fittingHeight = number(form, "Edit33");
    return true;
}

std::string headLine(const FieldSource& form, HeadSide side, HeadKind kind) {
    const HeadKindInfo& info = headKindInfo(kind);
    std::string line = side == HeadSide::Left ? "左封头：" : "右封头：";
    line += info.name;
    for (const HeadField& field : info.fields) {
        line += "，";
        line += field.label;
        line += "：";
        line += form.text(fieldOn(field, side));
        line += " mm";
    }
    return line;
}

std::string shellLine(const FieldSource& form, const TankConfig& config) {
    switch (config.shellKind) {
        case ShellKind::Horizontal:
            if (config.sectionKind == SectionKind::Circular) {
                return "中间筒体：水平正直圆柱体，内径：" + form.text("Edit1") + " mm，筒体长度：" +
                       form.text("Edit2") + " mm";
            }
            return "中间筒体：水平椭圆柱体，长内径：" + form.text("Edit3") + " mm，短内径：" +
                   form.text("Edit4") + " mm，筒体长度：" + form.text("Edit5") + " mm";
        case ShellKind::Tilted:
            return "中间筒体：倾斜圆筒体，长内径：" + form.text("Edit40") + " mm，短内径：" +
                   form.text("Edit41") + " mm，筒体长度：" + form.text("Edit42") + " mm";
        case ShellKind::Spherical:
            return "球罐，内径：" + form.text("Edit34") + " mm";
        case ShellKind::Calibrated:
            break;
    }
    return {};
}

}  // namespace

ShellKind Jgxs(const FieldSource& form) {
    switch (form.activePage()) {
        case 1:
            return ShellKind::Tilted;
        case 2:
            return ShellKind::Spherical;
        case 3:
            return ShellKind::Calibrated;
        default:
            return ShellKind::Horizontal;
    }
}

SectionKind sectionOf(const FieldSource& form) {
    return form.checked("RadioButton2") && !form.checked("RadioButton1") ? SectionKind::Elliptical
                                                                         : SectionKind::Circular;
}

double clampToTank(const TankConfig& config, double level) {
    if (level > config.diameter && config.diameter > 0) {
        level = config.diameter;
    }
    if (level > config.verticalDiameter && config.verticalDiameter > 0) {
        level = config.verticalDiameter;
    }
    return level;
}

bool readShellFields(FieldSource& form, UiServices& ui, TankConfig& config) {
    config.shellKind = Jgxs(form);
    config.sectionKind = sectionOf(form);
    switch (config.shellKind) {
        case ShellKind::Horizontal:
            if (form.checked("RadioButton1")) {
                if (!present(form, ui, {"Edit1", "Edit2"}, kShellMissing)) {
                    return false;
                }
                config.diameter = number(form, "Edit1");
                config.length = number(form, "Edit2");
            } else if (form.checked("RadioButton2")) {
                if (!present(form, ui, {"Edit3", "Edit4", "Edit5"}, kShellMissing)) {
                    return false;
                }
                config.horizontalDiameter = number(form, "Edit3");
                config.verticalDiameter = number(form, "Edit4");
                config.length = number(form, "Edit5");
            } else {
                // Neither section chosen (a first start without settings): nothing to compute.
                ui.showMessage(kShellMissing);
                return false;
            }
            return true;
        case ShellKind::Tilted:
            if (!present(form, ui, {"Edit29", "Edit30", "Edit39", "Edit40", "Edit41", "Edit42"},
                         kTiltedMissing)) {
                return false;
            }
            config.tiltAlpha = number(form, "Edit29");
            if (config.tiltAlpha == 0) {
                config.tiltAlpha = 0.001;  // the level transform divides by tan α
            }
            config.tiltBeta = number(form, "Edit30");
            config.tiltOffset = number(form, "Edit39");
            config.lowEndRight = form.checked("RadioButton4") && !form.checked("RadioButton3");
            config.horizontalDiameter = number(form, "Edit40");
            config.verticalDiameter = number(form, "Edit41");
            config.length = number(form, "Edit42");
            return true;
        case ShellKind::Spherical:
            if (!present(form, ui, {"Edit34"}, kSphereMissing)) {
                return false;
            }
            config.diameter = number(form, "Edit34");
            return true;
        case ShellKind::Calibrated:
            if (!readCalibrationPoints(form, ui, config)) {
                return false;
            }
            // A calibrated table carries no dead volume and no fitting correction.
            for (std::string_view name : kCorrectionFields) {
                form.setText(name, "0");
            }
            return true;
    }
    return true;
}

bool readHeadFields(const FieldSource& form, UiServices& ui, TankConfig& config) {
    return readHead(form, ui, HeadSide::Left, config, config.leftHead) &&
           readHead(form, ui, HeadSide::Right, config, config.rightHead);
}

void deriveDishedRatios(TankConfig& config) {
    if (config.shellKind != ShellKind::Horizontal || config.sectionKind != SectionKind::Circular) {
        return;
    }
    const double d = config.diameter;
    for (HeadSpec* head : {&config.leftHead, &config.rightHead}) {
        if (head->kind != HeadKind::NonStandardDished) {
            continue;
        }
        const double depth = head->depth - head->flangeHeight;
        const double ellipsoid = TuoFengTou(d, d, depth, d);
        if (ellipsoid == 0) {
            throw ArithmeticError("浮点数除以零");
        }
        head->dishedRatio =
            FeiBiaoDieXin(head->flangeHeight, head->depth, head->sphereRadius, d) / ellipsoid;
    }
}

std::string parameterSummary(const FieldSource& form, const TankConfig& config) {
    std::string summary = "计算参数如下：";
    auto append = [&summary](const std::string& line) {
        summary += kLineBreak;
        summary += line;
    };
    if (config.shellKind != ShellKind::Calibrated) {
        append(shellLine(form, config));
    }
    append(headLine(form, HeadSide::Left, config.leftHead.kind));
    append(headLine(form, HeadSide::Right, config.rightHead.kind));
    append("液位高度对应容积=中间筒体容积" + form.text("ComboBox3") + form.text("ComboBox4"));
    if (config.useDensity) {
        append("液体密度：" + form.text("Edit37") + " " + form.text("ComboBox1"));
    }
    return summary;
}

std::optional<TankConfig> buildTankConfig(FieldSource& form, UiServices& ui) {
    TankConfig config;
    if (!readShellFields(form, ui, config) || !readTableFields(form, ui, config) ||
        !readHeadFields(form, ui, config)) {
        return std::nullopt;
    }
    config.useDensity = form.checked("CheckBox1");
    config.densityText = form.text("Edit37");
    config.densityUnit = form.text("ComboBox1");
    deriveDishedRatios(config);
    config.parameterSummary = parameterSummary(form, config);
    return config;
}

}  // namespace quorvel
