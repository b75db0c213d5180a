#include "app/range_notes.h"

#include "app/app_messages.h"
#include "form/fields.h"
#include "tank/density.h"
#include "text/number_format.h"
#include "text/number_text.h"

namespace quorvel::app {

std::string quickNote(const TankConfig& config, double askedLevel) {
    switch (config.extentOf(askedLevel)) {
        case LevelExtent::AboveTank:
            return std::string(app_messages::kQuickAboveTank);
        case LevelExtent::OutsidePoints:
            return std::string(app_messages::kQuickBeyondPoints);
        case LevelExtent::Within:
            break;
    }
    return {};
}

std::string densityNote(const FieldSource& form) {
    if (!form.checked(kWeightsSwitch)) {
        return {};
    }
    const Outcome<double> density = MiDu(form);
    if (!density || densityLikely(*density)) {
        return {};
    }
    return app_messages::densityUnlikely(form.text(kDensityField), form.text(kDensityUnitList));
}

std::string quickNotes(const TankConfig& config, double askedLevel, const FieldSource& form) {
    std::string notes = quickNote(config, askedLevel);
    if (const std::string density = densityNote(form); !density.empty()) {
        notes += (notes.empty() ? "" : "；") + density;
    }
    return notes;
}

std::string tableNote(const TankConfig& config, double askedTo) {
    if (config.extentOf(askedTo) == LevelExtent::AboveTank) {
        return app_messages::tableCutAtHeight(formatLevel(askedTo), formatLevel(config.height()));
    }
    if (config.extentOf(config.levelFrom) == LevelExtent::OutsidePoints ||
        config.extentOf(config.levelTo) == LevelExtent::OutsidePoints) {
        const LevelRange span = config.calibratedSpan();
        return app_messages::tableBeyondPoints(formatLevel(span.from), formatLevel(span.to));
    }
    return {};
}

std::string tableNotes(const TankConfig& config, const FieldSource& form) {
    std::string notes = tableNote(config, textToNumber(form.text(kLastLevelField)));
    if (const std::string density = densityNote(form); !density.empty()) {
        notes += (notes.empty() ? "" : "\r\n") + density;
    }
    return notes;
}

}  // namespace quorvel::app
