#include "app/table_request.h"

#include <sstream>

#include "app/error_boundary.h"
#include "app/range_notes.h"
#include "app/table_job.h"
#include "output/spooled_text.h"
#include "output/table_csv.h"

namespace quorvel::app {
namespace {

// The compared rows of a table whose documents are written first: held back until then, so a
// failed document prints no rows.
class ComparedRows {
  public:
    ComparedRows(std::ostream& out, bool holdBack) : out_(out) {
        if (holdBack) {
            held_.emplace("the table's printed rows");
        }
    }
    void add(const TableRow& row, double exactM3) {
        if (!held_) {
            printComparisonRow(row, exactM3, out_);
            return;
        }
        line_.str({});
        printComparisonRow(row, exactM3, line_);
        held_->append(line_.view());
    }
    bool print(UiServices& ui) {
        return !held_ || guarded(ui, [&]() -> std::optional<bool> {
                             held_->copyTo(out_);
                             return true;
                         }).value_or(false);
    }

  private:
    std::ostream& out_;
    std::optional<SpooledText> held_;
    std::ostringstream line_;  // one row's text, reused
};

// The documents asked for, in order.
bool writeDocuments(TableJob& job, const TableRequest& request, const std::string& notes) {
    bool ok = true;
    if (request.workbook) {
        WorkbookSession session;
        session.promptNote = notes;
        ok = job.saveWorkbook(*request.workbook, {true, &session});
    }
    if (ok && request.pdf) {
        ok = job.writePdf(*request.pdf).has_value();
    }
    return ok;
}

}  // namespace

bool runTableRequest(FieldSource& form, UiServices& ui, const TableRequest& request,
                     std::ostream& out) {
    const bool document = request.workbook || request.pdf;
    std::optional<TableJob> job = TableJob::read(form, ui, request.method, document);
    if (!job) {
        return false;
    }
    // What the window's confirmation notes below the summary (a range beyond what the tank
    // describes, an unlikely density), printed with the summary of --out.
    const std::string notes = tableNotes(job->config(), form);
    // The documents read the rows from a spool; without one the rows go out as they come.
    const RowKeeping keeping = document ? RowKeeping::Spooled : RowKeeping::None;
    bool ok = true;
    if (request.compare) {
        // The comparison is a walk of the classic formulas. A table of the true geometry's
        // documents is walked for them first; so is a tank the true geometry cannot compute,
        // whose comparison fails only once its documents are written.
        const std::optional<std::optional<std::string>> problem = job->trueGeometryProblem();
        if (!problem) {
            return false;
        }
        const bool walkFirst = document && (*problem || request.method == Method::Exact);
        if (walkFirst) {
            ok = job->walk(keeping) && writeDocuments(*job, request, notes);
        }
        if (ok && *problem) {
            ui.showError(**problem);
            return false;
        }
        ComparedRows compared(out, document && !walkFirst);
        if (ok) {
            ok = job->walkCompared(
                walkFirst ? RowKeeping::None : keeping,
                [&](const TableRow& row, double exactM3) { compared.add(row, exactM3); });
        }
        if (ok && document && !walkFirst) {
            ok = writeDocuments(*job, request, notes) && compared.print(ui);
        }
    } else {
        const bool printLive = request.csv && !document;
        ok = job->walk(keeping, [&](const TableRow& row) {
            if (printLive) {
                printRow(row, out, &job->config());
            }
        });
        ok = ok && writeDocuments(*job, request, notes);
        if (ok && request.csv && document) {
            ok = job->printRows(out);
        }
    }
    ok = ok && out.good();
    if (ok && request.curvePoints) {
        const std::optional<CapacityCurve> curve = job->curve(*request.curvePoints);
        ok = curve.has_value();
        if (ok) {
            printCurve(*curve, out, job->config().units);
            ok = out.good();
        }
    }
    return ok;
}

}  // namespace quorvel::app
