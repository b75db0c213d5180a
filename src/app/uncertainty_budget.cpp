#include "app/uncertainty_budget.h"

#include "app/error_boundary.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "uncertainty/propagation.h"
#include "units/units.h"

namespace quorvel::app {

std::optional<UncertaintyBudget> uncertaintyBudget(FieldSource& form, UiServices& ui,
                                                   Method method) {
    return guarded(ui, [&]() -> std::optional<UncertaintyBudget> {
        const std::optional<TankConfig> config = shownOutcome(ui, buildTankConfig(form));
        if (!config) {
            return std::nullopt;
        }
        const std::optional<uncertainty::UncertaintyRequest> asked =
            shownOutcome(ui, uncertainty::readUncertaintyRequest(form));
        if (!asked) {
            return std::nullopt;
        }
        const uncertainty::Propagation propagation(*config, method, asked->inputs);
        const VolumeModel volume(*config, method);
        const double height = config->height();
        UncertaintyBudget budget;
        for (double f : {0.02, 0.10, 0.25, 0.50, 0.75, 0.90, 0.98}) {
            const double level = f * height;
            const uncertainty::VolumeU u = propagation.at(level);
            if (budget.inputs.empty()) {
                for (const uncertainty::Contribution& c : u.contributions) {
                    budget.inputs.push_back(c.name);
                    budget.u.push_back(c.u);
                    budget.shares.emplace_back();
                }
            }
            for (std::size_t i = 0; i < u.contributions.size(); ++i) {
                budget.shares[i].push_back(u.contributions[i].litres);
            }
            VolumeState state;
            const double litres =
                static_cast<double>(units::litres(volume(level, config->levelStep, state)));
            budget.levels.push_back(level);
            budget.expanded.push_back(u.expanded);
            budget.relative.push_back(litres > 0 ? 100 * u.expanded / litres : 0);
        }
        return budget;
    });
}

}  // namespace quorvel::app
