// Turns the window's fields into one TankConfig: the shell kind from the active page, the
// fields the shell and both heads need checked for presence in a fixed order (the first
// missing group stops the request with its message), the texts converted, the derived
// values fixed and the parameter summary built.
#pragma once

#include <optional>

#include "platform/ui_services.h"
#include "tank/field_source.h"
#include "tank/tank_config.h"

namespace quorvel {

// The shell kind of the active page of PageControl1; any page beyond the four is horizontal.
ShellKind Jgxs(const FieldSource& form);

// The section chosen on the horizontal page: elliptical only with "图八" chosen and "图七" not.
SectionKind sectionOf(const FieldSource& form);

// Reads, checks and derives a generate request. A missing field shows its message through
// ui.showMessage and gives nullopt. A text that is not a number throws ConversionError; a
// dished ratio with a zero divisor throws ArithmeticError (the caller shows either in the
// standard error box). On the calibration page the four correction fields are set to "0"
// once every point cell is present, even when a later check stops the request.
std::optional<TankConfig> buildTankConfig(FieldSource& form, UiServices& ui);

// The steps of buildTankConfig that other requests (the quick calculation) share. Each
// reads into `config`, returns false after showing the missing-field message, and throws
// as buildTankConfig does.
bool readShellFields(FieldSource& form, UiServices& ui, TankConfig& config);
bool readHeadFields(const FieldSource& form, UiServices& ui, TankConfig& config);

// The last level (or a single level) limited to the tank's height: D when D > 0, then A when
// A > 0.
double clampToTank(const TankConfig& config, double level);

// The dished ratio of every non-standard dished head on a circular horizontal shell, the
// only place it is used: FeiBiaoDieXin over the ellipsoidal head of the same depth. Throws
// ArithmeticError when that ellipsoidal head holds nothing (depth equal to the flange).
void deriveDishedRatios(TankConfig& config);

// The summary lines of a configuration whose fields have been read, joined by CR LF.
std::string parameterSummary(const FieldSource& form, const TankConfig& config);

}  // namespace quorvel
