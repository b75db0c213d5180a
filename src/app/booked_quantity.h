// The booked quantity of the window "油量计算" (GB/T 19779): the free water under the oil, the
// shell's temperature, the sediment and water, and the room to the safe level. Its inputs
// (form/booked_fields.h) are read only when one of them is used; then the ticket's V20 is
// formed from Vgo = (Vto − FW) × CTSh and its mass from Vns (oil/booked_quantity.h), CTSh from
// the tank's own volume by the method in use (tank/shell_correction.h).
#pragma once

#include <optional>
#include <string>

#include "form/field_source.h"
#include "oil/oil.h"
#include "output/ticket_document.h"
#include "tank/method.h"
#include "tank/outcome.h"
#include "tank/quick_calculation.h"

namespace quorvel::app {

// Whether any input of the booked quantity is used: a field that holds something, 保温罐
// checked, or a shell material other than the first.
bool bookedQuantityUsed(const FieldSource& form);

// The booked quantity's inputs read and its volumes up to Vgo, before the oil's tables.
struct BookedStart {
    BookedChain chain;         // inputs as typed, fw, ctsh, vgo filled in
    double vgo = 0;            // L, as printed
    double sedimentWater = 0;  // SW, %, as printed
};

// Reads the inputs and forms FW at the water dip, CTSh at the dip and Vgo from the printed Vt
// (`vt`, L) of `request` (the dip's request; `oilTemperature` °C as typed). A stop names the
// field: a water dip below 0, above the dip or outside the calibration points; a shell
// temperature both typed and formed from the air; a typed α missing; a safe level below 0,
// above the tank's height or outside its points. Throws ConversionError for a text that is no
// number and oil::RangeError for a temperature, α or SW outside its range.
Outcome<BookedStart> startBookedQuantity(const FieldSource& form, const QuickRequest& request,
                                         Method method, double vt,
                                         const std::string& oilTemperature);

// Completes the chain from the tables' printed values (`quantity`, formed from Vgo: its V20 is
// Vgs): SW, Vns, the mass from Vns into `quantity`, and the room to the safe level, V(safe
// level) − Vt, with its V20 at the same VCF20 (or "已超过安全高度" for a dip above it).
void finishBookedQuantity(BookedStart& start, const QuickRequest& request, Method method, double vt,
                          oil::DepotQuantity& quantity);

}  // namespace quorvel::app
