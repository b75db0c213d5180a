// The calculation method chosen in the window (ComboBox5), what it changes of a table, and
// how far the classic formulas depart from the true geometry: the text under the curve and
// the true geometry's line beside the classic one.
#pragma once

#include <optional>
#include <string>

#include "app/table_job.h"
#include "app/window_form.h"
#include "form/field_source.h"
#include "ports/ui_services.h"
#include "tank/capacity_curve.h"
#include "tank/method.h"

namespace quorvel::app {

// "真实几何" chosen: the true geometry; anything else (the designed "经典公式", a settings file
// without the key, no entry) the classic formulas.
Method chosenMethod(const FieldSource& form);

// The largest departure of the classic quantity from the true one over the levels added:
// the difference true − classic in % of the true quantity, at the level where it is largest
// in size (the lowest such level). A level where the two agree to the cent (0.005 of the
// unit compared, litres or kilograms) or the true quantity is 0 is passed over.
class Departure {
  public:
    void add(double level, long double classic, long double exact);
    // The two differ by more than 0.01 % somewhere.
    bool significant() const;
    // "经典公式在 0 毫米处比真实几何少 27.00 %"; requires significant(). The level as a
    // table row prints it, or, for a level between rows (a point of the curve), rounded to
    // `levelDecimals` places.
    std::string text(std::optional<int> levelDecimals = std::nullopt) const;
    double level() const { return level_; }
    long double percent() const { return percent_; }

  private:
    bool found_ = false;
    double level_ = 0;
    long double percent_ = 0;
};

// What the window shows beside a curve by the classic formulas: the true geometry's line
// (when the two differ) and the text under the curve (empty: nothing to say).
struct MethodComparison {
    std::optional<CapacityCurve> trueGeometry;
    std::string text;
};

// Why the true geometry cannot compute this tank (a head or shell that is no solid), or
// nothing when it can.
std::optional<std::string> trueGeometryProblem(const TankConfig& config);

// A table made as the window makes it, by `method`, its rows held as the window's lists. With
// the classic formulas, for a shell the true geometry computes otherwise (horizontal, tilted),
// every row is compared with the true geometry (TableJob::walkCompared); a tank the true
// geometry cannot compute gets the classic table and says why. With the true geometry, the
// summary names the method (nameMethod). nullopt when the request stopped (shown).
struct WindowTable {
    TableJob job;
    MethodComparison comparison;
};
std::optional<WindowTable> makeWindowTable(FieldSource& form, UiServices& ui, Method method);

// The curve drawn after an answer at one level (a quick calculation, the level of a quantity):
// `points` levels over the tank's height by `method`. With the classic formulas and a shell
// the true geometry computes otherwise, also the true geometry's curve and the text comparing
// the two at `answer` (its level and classic quantity) and over the height. nullopt when the
// curve could not be formed (shown).
struct AnswerCurve {
    CapacityCurve curve;
    MethodComparison comparison;
};
// The curve's levels in the text are rounded to `levelDecimals` places (levelDecimals()).
std::optional<AnswerCurve> answerCurve(const TankConfig& config, std::size_t points,
                                       std::optional<double> densityKgPerM3, Method method,
                                       CurvePoint answer, UiServices& ui, int levelDecimals = 0);

// The places the table's levels are printed with: those of its interval (Edit8 "0.5": 1),
// none for a whole interval or one that is no number.
int levelDecimals(const FieldSource& form);

// Whether the level of a quantity (Label52) is cleared by a change of `control` (form/controls.h:
// its effects): every stored control but the quick calculation's level, result, ullage and
// reference height; the calibration grid and the shell pages.
bool levelAnswerDependsOn(std::string_view control);

// The unit of the quantity whose level is asked (Label51) follows the weight switch: "公斤"
// with CheckBox1 set, "升" without.
void showQuantityUnit(WindowForm& form);

// A table computed by the true geometry says so in its summary (prompt and title) with the
// line "计算方法：真实几何"; a classic table's summary stays as it was.
void nameMethod(TableHead& table, Method method);

}  // namespace quorvel::app
