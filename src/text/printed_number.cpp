#include "text/printed_number.h"

#include "text/number_format.h"
#include "text/row_text.h"

namespace quorvel {

PrintedNumber printedTwoDecimals(long double value) {
    PrintedNumber printed{FormatTwoDecimals(value), 0};
    printed.value = parseRowNumber(printed.text);
    return printed;
}

PrintedNumber printedLevel(double level) {
    PrintedNumber printed{formatLevel(level), 0};
    printed.value = parseRowNumber(printed.text);
    return printed;
}

}  // namespace quorvel
