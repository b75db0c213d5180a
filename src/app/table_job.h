// One capacity table for both front ends: the request read from the form once, its rows walked
// once into one row source — held as the window's lists, or spooled on disk for a table of any
// length — and every product made from that source: the workbook, the PDF and the paper
// document, the printed rows, the window's lists and curve. What is wanted of each row while
// it is walked (a CSV line as it comes, the true geometry beside it) is handed to a visitor.
// Every stop and error is shown here, through the job's UiServices.
//
// A document to come (a millimetre table per course, a sheet of corrections) is one more
// product made from rows(); a column (a mark, an uncertainty) one more member of the rows
// (output/table_rows.h) that the walk fills.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "form/field_source.h"
#include "output/capacity_workbook.h"
#include "output/page_layout.h"
#include "output/table_rows.h"
#include "ports/ui_services.h"
#include "tank/capacity_curve.h"
#include "tank/capacity_table.h"
#include "tank/method.h"

namespace quorvel {
class RowSpool;
namespace uncertainty {
class Propagation;
struct UncertaintyInputs;
}  // namespace uncertainty
}  // namespace quorvel

namespace quorvel::app {

// How a walked table keeps its rows: held as the window's lists (ListBox1, ListBox2), spooled
// on disk, or not at all (the rows are only handed to the visitor as they come).
enum class RowKeeping { Held, Spooled, None };

class TableJob {
  public:
    // Reads the table request and checks it: its stops, an interval not greater than zero, an
    // overlong table and one without a row (the first level above the last); the density a
    // weight needs (MiDu), read once for the whole walk. With `document`, also what the form
    // says of a table to issue (describeTable). A table by the true geometry says so in its
    // summary (nameMethod). nullopt when the request stopped; its box has been shown.
    static std::optional<TableJob> read(FieldSource& form, UiServices& ui, Method method,
                                        bool document);

    TableJob(TableJob&&) noexcept;
    TableJob& operator=(TableJob&&) noexcept;
    ~TableJob();

    using RowVisitor = std::function<void(const TableRow&)>;
    // A row with the true geometry's total at its level beside it (m³).
    using ComparedRowVisitor = std::function<void(const TableRow&, double exactM3)>;

    // Walks the rows by the method into the rows `keeping` asks for, each handed to `visit` as
    // it is computed. False when the walk failed (shown); the rows before it stand.
    bool walk(RowKeeping keeping, const RowVisitor& visit = {});
    // The classic walk with the true geometry's total beside each row. The tank must be one the
    // true geometry computes (trueGeometryProblem); a failure is shown and gives false.
    bool walkCompared(RowKeeping keeping, const ComparedRowVisitor& visit);

    // Why the true geometry cannot compute this tank (a head or shell that is no solid): its
    // message, or an empty optional when it can. nullopt when an error was shown instead.
    std::optional<std::optional<std::string>> trueGeometryProblem();

    const TableHead& head() const { return head_; }
    const TankConfig& config() const { return head_.config; }
    // The density the weights were formed at (kg/m³); none without weights.
    std::optional<double> density() const { return density_; }
    UiServices& ui() const { return *ui_; }

    // The rows kept by the walk (none before it, or with RowKeeping::None).
    const TableRows& rows() const;
    // The table with its rows held as texts (RowKeeping::Held): the window's lists.
    const CapacityTable& held() const;
    // What the table says in one number: its summary, method, rows and weights (its identity
    // only describes it). Two tables with the same digest are the same table.
    std::size_t digest() const { return digest_; }

    // The workbook of the rows kept at `path`, asked for and opened or not as `how` says
    // (SaveFileToExcel3). A path no save may replace (files/save_target.h) is refused in a box
    // before the question. Whether it was saved.
    bool saveWorkbook(const std::string& path, const WorkbookSave& how);
    // The rows kept as a PDF at `path`: the pages written, or nullopt when it failed (shown).
    std::optional<int> writePdf(const std::string& path);
    // The rows kept on paper, for the printer; the document must not outlive the job.
    paper::Document paperDocument() const;
    std::string paperTitle() const;
    // The rows kept, printed as --csv prints them. Whether they were printed (a failure shown).
    bool printRows(std::ostream& out);

    // The curve of `count` levels over the tank's height by the job's method, in the quantity
    // the table shows (kilograms with its density); nullopt when it could not be formed (shown).
    std::optional<CapacityCurve> curve(std::size_t count);
    // The curve of the rows kept; nullopt when a row could not be read (shown).
    std::optional<CapacityCurve> rowsCurve();

  private:
    TableJob(UiServices& ui, TableHead head, std::optional<double> density);
    // What the dialog 不确定度… asks of the table: the U column (TableHead::uncertaintyLimit)
    // and, when asked, the title block's 不确定度. False when it stopped (shown).
    bool askUncertainty(const FieldSource& form);
    // The row with its U (the text kept in uText_), and the greatest relative U noted.
    TableRow withUncertainty(const TableRow& row);
    // Before a walk: the propagation over this job's tank, when the table carries U.
    void startUncertainty();
    // A walked row with its U, kept and counted in the digest.
    TableRow kept(const RowVisitor& keeper, const TableRow& walked);
    // After a walk: the title block's 不确定度 is the greatest relative U, when asked.
    void stateGreatestUncertainty();
    // Starts the rows `keeping` asks for; gives the keeper of each row.
    RowVisitor keep(RowKeeping keeping);

    UiServices* ui_;
    TableHead head_;
    std::optional<double> density_;
    std::unique_ptr<CapacityTable> held_;
    std::unique_ptr<HeldRows> heldRows_;
    std::unique_ptr<RowSpool> spool_;
    std::size_t digest_ = 0;
    // The inputs' u when the table carries U; its propagation made when the walk starts (over
    // the job's own TankConfig, which a move of the job would leave behind).
    std::unique_ptr<uncertainty::UncertaintyInputs> uInputs_;
    std::unique_ptr<uncertainty::Propagation> propagation_;
    bool uncertaintyTitle_ = false;
    std::string uText_;
    double greatestRelative_ = -1;  // U / V, over the rows with a volume
    double greatestLevel_ = 0;
};

}  // namespace quorvel::app
