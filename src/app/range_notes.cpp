#include "app/range_notes.h"

#include "app/app_messages.h"
#include "text/number_format.h"

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

}  // namespace quorvel::app
