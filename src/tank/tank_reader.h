// Turns the window's fields into one TankConfig: the shell kind from the active page, the
// fields the shell and both heads need checked for presence in a fixed order (the first
// missing group stops the request with its message), the texts converted, the derived
// values fixed and the parameter summary built. Nothing is shown here: a stop is handed back.
#pragma once

#include <optional>

#include "form/field_source.h"
#include "tank/outcome.h"
#include "tank/tank_config.h"

namespace quorvel {

// The shell kind of the active page of PageControl1; any page beyond the four is horizontal.
ShellKind Jgxs(const FieldSource& form);

// The section chosen on the horizontal page: elliptical only with "图八" chosen and "图七" not.
SectionKind sectionOf(const FieldSource& form);

// Reads, checks and derives a generate request. A missing field gives its stop. A text that
// is not a number throws ConversionError; a dished ratio with a zero divisor throws
// ArithmeticError. Nothing is written to the form.
Outcome<TankConfig> buildTankConfig(const FieldSource& form);

// Where the dead volume and the fitting (Edit13, Edit31, Edit32, Edit33) do not correct the
// volumes (TankConfig::correctionsApply: a calibrated tank's points are measured volumes), they
// are neither checked nor read, and stay as the user typed them for the other pages. Where the
// tank has no heads (TankConfig::headsApply), the head groups are greyed; their fields are
// neither checked nor read.

// The steps of buildTankConfig that other requests (the quick calculation) share. Each reads
// into `config` and gives the stop of a missing field, throwing as buildTankConfig does.
std::optional<Stop> readShellFields(const FieldSource& form, TankConfig& config);
// The corrections where they apply: a missing one stops with "呵呵，数据还没输完呢！".
std::optional<Stop> readCorrectionFields(const FieldSource& form, TankConfig& config);
std::optional<Stop> readHeadFields(const FieldSource& form, TankConfig& config);

// What the heads derive once per request (tank/head_model.h) on a circular horizontal shell,
// the only place it is used: the dished ratio of a non-standard dished head, FeiBiaoDieXin
// over the ellipsoidal head of the same depth. Throws ArithmeticError when that ellipsoidal
// head holds nothing (depth equal to the flange).
void deriveDishedRatios(TankConfig& config);

// The summary lines of a configuration whose fields have been read, joined by CR LF.
std::string parameterSummary(const FieldSource& form, const TankConfig& config);

}  // namespace quorvel
