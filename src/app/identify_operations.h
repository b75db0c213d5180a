// "变位识别…" for both front ends: the log of dips and metered volumes read from a file or a
// pasted block, the tilted tank's α, β and gauge zero identified from it, the figures as
// printed, and "应用", which writes the fitted α and β into the tilted page (Edit29, Edit30)
// with the figures the next table's title block names. Every stop and error is shown here.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form/field_source.h"
#include "identify/tilt_fit.h"
#include "ports/ui_services.h"

namespace quorvel::app {

// The log in a file: CSV, tab-separated or an .xlsx workbook, read as imported capacity
// tables are (store/level_volume_file.h): a level and a volume each row, an optional heading.
// A value that is not a number, or a file that cannot be read, is shown and gives nullopt.
std::optional<std::vector<identify::LogRow>> readTiltLog(UiServices& ui, const std::string& path);

// The same for a block pasted from a spreadsheet or typed (the same rules as a text file).
std::optional<std::vector<identify::LogRow>> parseTiltLog(UiServices& ui, const std::string& text);

// What to identify.
struct IdentifyRequest {
    std::vector<identify::LogRow> log;
    identify::LogKind kind = identify::LogKind::Outflow;
    identify::Unknowns unknowns;
    bool withoutOutliers = false;
};

// Reads the tilted page's tank (its shell, heads, gauge position F and corrections, as the
// quick calculation reads them; α and β left empty count as 0, being what is sought) and
// identifies it from the log. Its stop (a missing field, a log that cannot be fitted, a fit
// that does not converge) or error is shown and gives nullopt: no figure of a failed fit.
std::optional<identify::TiltFit> identifyTilt(FieldSource& form, UiServices& ui,
                                              const IdentifyRequest& request);

// The figures as printed: α, β and their standard errors in degrees with 4 decimals, δ and
// its standard error in mm with 2, the RMS in litres with 3.
struct TiltFitTexts {
    std::string alpha, beta, offset, alphaSe, betaSe, offsetSe, rms;
};
TiltFitTexts tiltFitTexts(const identify::TiltFit& fit);

// The title block's line of a fit whose α and β stand in Edit29 and Edit30 as applied.
std::string tiltFigures(const identify::TiltFit& fit, const FieldSource& form);

// "应用": the fitted α and β (as printed) into Edit29 and Edit30, and the figures into the
// stored IdentifyEdit1. δ is not a field of the page: the figures name it.
void applyTiltFit(FieldSource& form, const identify::TiltFit& fit);

}  // namespace quorvel::app
