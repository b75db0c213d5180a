#include "app/table_job.h"

#include <cmath>

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "app/method_operations.h"
#include "files/file_error.h"
#include "files/save_target.h"
#include "form/fields.h"
#include "form/table_identity.h"
#include "form/tilt_identification.h"
#include "output/row_spool.h"
#include "output/table_csv.h"
#include "output/table_paper.h"
#include "tank/density.h"
#include "tank/shell_kinds.h"
#include "text/number_format.h"
#include "text/number_text.h"
#include "uncertainty/propagation.h"
#include "units/units.h"

namespace quorvel::app {
namespace {

void mix(std::size_t& digest, std::size_t h) {
    digest ^= h + 0x9e3779b97f4a7c15ULL + (digest << 6) + (digest >> 2);
}

// The rows of a job that kept none.
class NoRows final : public TableRows {
  public:
    std::size_t size() const override { return 0; }
    void read(std::size_t, std::size_t, RowNumbers*) const override {}
    RowTexts texts(std::size_t) const override { return {}; }
    std::size_t weightCount() const override { return 0; }
};

// What the form says of a table to issue: its identity (罐容表信息) and the increment switch.
// The reference height goes onto the document as typed, so it must be a level: one that is not
// a number, or below zero, is refused. Whether the table was described.
bool describeTable(TableHead& table, const FieldSource& form, UiServices& ui) {
    table.identity = readTableIdentity(form);
    table.increments = form.checked(kIncrementsSwitch);
    if (form.activePage() == shellKindInfo(ShellKind::Tilted).page) {
        table.tiltIdentification = appliedTiltFigures(form);
    }
    const std::string& reference = table.identity.value(kReferenceHeightField);
    return reference.empty() || guarded(ui, [&]() -> std::optional<bool> {
                                    if (textToNumber(reference) >= 0) {
                                        return true;
                                    }
                                    ui.showError(app_messages::kReferenceHeightNegative);
                                    return false;
                                }).value_or(false);
}

}  // namespace

TableJob::TableJob(UiServices& ui, TableHead head, std::optional<double> density)
    : ui_(&ui), head_(std::move(head)), density_(density) {}

TableJob::TableJob(TableJob&&) noexcept = default;
TableJob& TableJob::operator=(TableJob&&) noexcept = default;
TableJob::~TableJob() = default;

std::optional<TableJob> TableJob::read(FieldSource& form, UiServices& ui, Method method,
                                       bool document) {
    std::optional<TableJob> job = guarded(ui, [&]() -> std::optional<TableJob> {
        std::optional<TankConfig> config = shownOutcome(ui, readTableRequest(form));
        if (!config) {
            return std::nullopt;
        }
        if (TableLevels(config->levelFrom, config->levelTo, config->levelStep).count() == 0) {
            const bool tankTop =
                config->shellKind != ShellKind::Calibrated && config->levelTo == config->height();
            ui.showMessage(app_messages::noTableRows(formatLevel(config->levelFrom),
                                                     formatLevel(config->levelTo), tankTop));
            return std::nullopt;
        }
        std::optional<double> density;
        if (config->useDensity) {
            // Read once for the whole walk: a density that is not a number ends the request
            // before the first row.
            density = shownOutcome(ui, MiDu(form));
            if (!density) {
                return std::nullopt;
            }
        }
        TableHead head;
        head.config = std::move(*config);
        head.method = method;
        nameMethod(head, method);
        TableJob made(ui, std::move(head), density);
        if (!made.askUncertainty(form)) {
            return std::nullopt;
        }
        return made;
    });
    if (job && document && !describeTable(job->head_, form, ui)) {
        return std::nullopt;
    }
    return job;
}

bool TableJob::askUncertainty(const FieldSource& form) {
    Outcome<uncertainty::UncertaintyRequest> asked = uncertainty::readUncertaintyRequest(form);
    if (!asked) {
        showStop(*ui_, asked.stop());
        return false;
    }
    if (asked->shown) {
        head_.uncertaintyLimit = asked->inputs.limitPercent;
        uncertaintyTitle_ = asked->title;
        uInputs_ = std::make_unique<uncertainty::UncertaintyInputs>(asked->inputs);
    }
    return true;
}

TableRow TableJob::withUncertainty(const TableRow& row) {
    const double u = propagation_->expanded(row.level);
    uText_ = FormatTwoDecimals(u);
    const double litres = static_cast<double>(units::litres(row.totalM3));
    if (litres > 0 && u / litres > greatestRelative_) {
        greatestRelative_ = u / litres;
        greatestLevel_ = row.level;
    }
    TableRow out = row;
    out.uncertainty = uText_;
    return out;
}

void TableJob::stateGreatestUncertainty() {
    if (!uncertaintyTitle_ || greatestRelative_ < 0) {
        return;
    }
    for (std::size_t i = 0; i < kIdentityFields.size(); ++i) {
        if (kIdentityFields[i].control == kUncertaintyField) {
            head_.identity.values[i] = app_messages::greatestUncertainty(
                FormatTwoDecimals(greatestRelative_ * 100), formatLevel(greatestLevel_));
        }
    }
    if (held_) {
        held_->identity = head_.identity;
    }
}

TableJob::RowVisitor TableJob::keep(RowKeeping keeping) {
    digest_ = std::hash<std::string>()(head_.config.parameterSummary);
    mix(digest_, static_cast<std::size_t>(head_.method));
    held_.reset();
    heldRows_.reset();
    spool_.reset();
    switch (keeping) {
        case RowKeeping::Held: {
            held_ = std::make_unique<CapacityTable>();
            static_cast<TableHead&>(*held_) = head_;
            heldRows_ = std::make_unique<HeldRows>(held_->tableRows, held_->weightTexts,
                                                   held_->uncertaintyTexts);
            const auto count = static_cast<std::size_t>(
                TableLevels(config().levelFrom, config().levelTo, config().levelStep).count());
            held_->tableRows.reserve(count);
            if (density_) {
                held_->weightTexts.reserve(count);
            }
            return [this](const TableRow& row) {
                held_->tableRows.emplace_back(row.text);
                if (density_) {
                    held_->weightTexts.emplace_back(row.weight);
                }
                if (!row.uncertainty.empty()) {
                    held_->uncertaintyTexts.emplace_back(row.uncertainty);
                }
            };
        }
        case RowKeeping::Spooled:
            spool_ = std::make_unique<RowSpool>();
            return [this](const TableRow& row) { spool_->append(row); };
        case RowKeeping::None:
            break;
    }
    return [](const TableRow&) {};
}

void TableJob::startUncertainty() {
    propagation_.reset();
    greatestRelative_ = -1;
    if (uInputs_) {
        propagation_ =
            std::make_unique<uncertainty::Propagation>(config(), head_.method, *uInputs_);
    }
}

TableRow TableJob::kept(const RowVisitor& keeper, const TableRow& walked) {
    TableRow row = propagation_ ? withUncertainty(walked) : walked;
    keeper(row);
    mix(digest_, std::hash<std::string_view>()(row.text));
    mix(digest_, std::hash<std::string_view>()(row.weight));
    if (!row.uncertainty.empty()) {
        mix(digest_, std::hash<std::string_view>()(row.uncertainty));
    }
    return row;
}

bool TableJob::walk(RowKeeping keeping, const RowVisitor& visit) {
    return guarded(*ui_,
                   [&]() -> std::optional<bool> {
                       const RowVisitor keeper = keep(keeping);
                       startUncertainty();
                       forEachRow(config(), density_, head_.method, [&](const TableRow& walked) {
                           const TableRow row = kept(keeper, walked);
                           if (visit) {
                               visit(row);
                           }
                       });
                       stateGreatestUncertainty();
                       return true;
                   })
        .value_or(false);
}

bool TableJob::walkCompared(RowKeeping keeping, const ComparedRowVisitor& visit) {
    return guarded(*ui_,
                   [&]() -> std::optional<bool> {
                       const RowVisitor keeper = keep(keeping);
                       startUncertainty();
                       forEachRowBesideExact(config(), density_,
                                             [&](const TableRow& walked, double exactM3) {
                                                 visit(kept(keeper, walked), exactM3);
                                             });
                       stateGreatestUncertainty();
                       return true;
                   })
        .value_or(false);
}

std::optional<std::optional<std::string>> TableJob::trueGeometryProblem() {
    // The answer is itself optional (no problem): wrapped in place, not converted.
    using Checked = std::optional<std::optional<std::string>>;
    return guarded(*ui_,
                   [&] { return Checked(std::in_place, app::trueGeometryProblem(config())); });
}

const TableRows& TableJob::rows() const {
    static const NoRows none;
    if (heldRows_) {
        return *heldRows_;
    }
    if (spool_) {
        return *spool_;
    }
    return none;
}

const CapacityTable& TableJob::held() const {
    static const CapacityTable none;
    return held_ ? *held_ : none;
}

bool TableJob::saveWorkbook(const std::string& path, const WorkbookSave& how) {
    const std::optional<bool> saved = guarded(*ui_, [&]() -> std::optional<bool> {
        // A target no save may replace is refused before the question.
        try {
            if (how.confirmAndOpen) {
                checkSavePath(path);
            }
        } catch (const FileError& e) {
            if (how.session != nullptr) {
                how.session->saveFailure = e.what();
            }
            throw;
        }
        return saveCapacityTable(head_, rows(), path, *ui_, how);
    });
    return saved.value_or(false);
}

std::optional<int> TableJob::writePdf(const std::string& path) {
    return guarded(*ui_,
                   [&]() -> std::optional<int> { return writeTablePdf(head_, rows(), path); });
}

paper::Document TableJob::paperDocument() const {
    return tablePaperDocument(head_, rows());
}

std::string TableJob::paperTitle() const {
    return tablePaperTitle(head_);
}

bool TableJob::printRows(std::ostream& out) {
    return guarded(*ui_,
                   [&]() -> std::optional<bool> {
                       quorvel::printRows(rows(), out, &config());
                       return true;
                   })
        .value_or(false);
}

std::optional<CapacityCurve> TableJob::curve(std::size_t count) {
    return guarded(*ui_, [&]() -> std::optional<CapacityCurve> {
        return capacityCurve(config(), count, density_, head_.method);
    });
}

std::optional<CapacityCurve> TableJob::rowsCurve() {
    return guarded(*ui_, [&]() -> std::optional<CapacityCurve> {
        return capacityCurve(rows(), config(), density_);
    });
}

}  // namespace quorvel::app
