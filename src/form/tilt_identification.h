// The tilt identification's stored control: the figures of the fit whose α and β "应用" wrote
// into the tilted page's Edit29 and Edit30, named in the title block of a table made after it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "form/controls.h"
#include "form/field_source.h"

namespace quorvel {

// IdentifyEdit1, added after the controls of the booked quantity; written once used.
std::span<const ControlInfo> tiltIdentificationControls();

// The figures begin with "α <Edit29>°" and hold "β <Edit30>°" as they were applied; the
// stored figures while the tilt fields still hold those texts, else empty (a tilt typed since
// is no longer the identified one).
std::string appliedTiltFigures(const FieldSource& form);

// The marks the figures carry for the check above.
std::string alphaMark(std::string_view alpha);
std::string betaMark(std::string_view beta);

}  // namespace quorvel
