// What quorvel-table asks of a capacity table, made in one walk: the workbook and the PDF, the
// rows printed (CSV) or compared with the true geometry, the curve. The rows are spooled on
// disk when a document is written, so a table of any length is made in the same memory, and
// printed as they are computed when none is.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

#include "form/field_source.h"
#include "ports/ui_services.h"
#include "tank/capacity_curve.h"
#include "tank/method.h"

namespace quorvel::app {

struct TableRequest {
    Method method = Method::Classic;
    // --out: the workbook, written as 生成容积表 writes ~001.xlsx (its question put through the
    // UiServices, the table's notes below the summary).
    std::optional<std::string> workbook;
    std::optional<std::string> pdf;  // --pdf
    bool csv = false;                // --csv: the rows, printed once the documents are written
    // --compare: each row printed with the true geometry's volume beside it (instead of --csv).
    bool compare = false;
    std::optional<std::size_t> curvePoints;  // --curve N: printed after everything else
};

// Reads the table the form describes and makes what `request` asks, printing on `out`.
// Whether all of it was made; a stop or failure has been shown.
bool runTableRequest(FieldSource& form, UiServices& ui, const TableRequest& request,
                     std::ostream& out);

}  // namespace quorvel::app
