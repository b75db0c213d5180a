#include "cli/identify_options.h"

#include <array>

#include "app/identify_operations.h"
#include "cli/cli_messages.h"
#include "cli/option_table.h"
#include "cli/table_options.h"

namespace quorvel::cli {
namespace {

namespace msg = cli_messages;

void recordData(TableOptions& o, std::string_view v) {
    if (v != "outflow" && v != "absolute") {
        throw UsageError(msg::unknownLogKind(v));
    }
    o.identify.absolute = v == "absolute";
}

// "alpha,beta,offset", any of them, in any order, each once.
identify::Unknowns unknownsOf(std::string_view list) {
    identify::Unknowns u{false, false, false};
    while (true) {
        const auto comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        bool* flag = word == "alpha"    ? &u.alpha
                     : word == "beta"   ? &u.beta
                     : word == "offset" ? &u.offset
                                        : nullptr;
        if (flag == nullptr || *flag) {
            throw UsageError(msg::unknownFitList(word));
        }
        *flag = true;
        if (comma == std::string_view::npos) {
            return u;
        }
        list.remove_prefix(comma + 1);
    }
}

const std::array<OptionSpec, 4> kIdentifyOptions{{
    {"--identify", "FILE",
     "instead of the table, identify how the tilted tank lies (变位识别) from a log of dips and\n"
     "metered volumes: FILE is CSV, tab-separated or .xlsx, one row per reading, the gauge's\n"
     "level (mm) and the volume (L), an optional heading; needs --data. With --csv, --out or\n"
     "--pdf the table is then made with the fitted alpha and beta",
     [](TableOptions& o, std::string_view v) {
         if (v.empty())
             throw UsageError(msg::needsFileName("--identify"));
         o.identify.file = std::string(v);
     }},
    {"--data", "outflow|absolute",
     "what the log's volumes are: outflow (each row's volume left the tank since the row\n"
     "before; a delivery is negative; the first row's volume is not used) or absolute (the\n"
     "tank's volume at the row's level)",
     recordData},
    {"--fit", "alpha,beta,offset",
     "the unknowns to fit (default alpha,beta): the axis's tilt Edit29, the gauge line's lean\n"
     "Edit30, the offset of the gauge's zero (mm the gauge reads short); the others are held\n"
     "at the page's values (offset at 0)",
     [](TableOptions& o, std::string_view v) {
         unknownsOf(v);
         o.identify.fit = std::string(v);
     }},
    {"--drop-outliers", "", "fit again without the measurements whose residual exceeds 4 x RMS",
     [](TableOptions& o, std::string_view) { o.identify.withoutOutliers = true; }},
}};

}  // namespace

std::span<const OptionSpec> identifyOptions() {
    return kIdentifyOptions;
}

void checkIdentifyOptions(const TableOptions& o) {
    const IdentifyOptions& i = o.identify;
    if (!i.file) {
        if (i.absolute || i.fit || i.withoutOutliers) {
            throw UsageError(std::string(msg::kIdentifyOptionsAlone));
        }
        return;
    }
    if (!i.absolute) {
        throw UsageError(std::string(msg::kIdentifyNeedsData));
    }
    if (o.quickLevel || o.ullage || o.quantity.level || o.volumeLitres || o.weightKg ||
        o.curvePoints || o.compare) {
        throw UsageError(std::string(msg::kIdentifyOneRequest));
    }
}

std::string_view identifyUsage() {
    return msg::kUsageIdentify;
}

bool runIdentify(const TableOptions& options, app::MemoryWindow& window, UiServices& ui,
                 std::ostream& out, bool apply) {
    const IdentifyOptions& o = options.identify;
    const std::optional<std::vector<identify::LogRow>> log = app::readTiltLog(ui, *o.file);
    if (!log) {
        return false;
    }
    app::IdentifyRequest request;
    request.log = *log;
    request.kind = *o.absolute ? identify::LogKind::Absolute : identify::LogKind::Outflow;
    request.unknowns = unknownsOf(o.fit.value_or("alpha,beta"));
    request.withoutOutliers = o.withoutOutliers;
    const std::optional<identify::TiltFit> fit = app::identifyTilt(window, ui, request);
    if (!fit) {
        return false;
    }
    const app::TiltFitTexts t = app::tiltFitTexts(*fit);
    out << "alpha," << t.alpha << "\nbeta," << t.beta << '\n';
    if (fit->fitted.offset) {
        out << "offset," << t.offset << '\n';
    }
    out << "rms," << t.rms << "\nrows," << fit->used << "\noutliers," << fit->outliers << '\n';
    if (fit->fitted.alpha) {
        out << "alpha_se," << t.alphaSe << '\n';
    }
    if (fit->fitted.beta) {
        out << "beta_se," << t.betaSe << '\n';
    }
    if (fit->fitted.offset) {
        out << "offset_se," << t.offsetSe << '\n';
    }
    if (apply) {
        app::applyTiltFit(window, *fit);
    }
    return out.good();
}

}  // namespace quorvel::cli
