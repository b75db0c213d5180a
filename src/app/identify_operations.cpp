#include "app/identify_operations.h"

#include <array>
#include <charconv>

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "form/fields.h"
#include "form/tilt_identification.h"
#include "identify/identify_messages.h"
#include "store/level_volume_file.h"
#include "tank/quick_calculation.h"
#include "tank/tank_reader.h"

namespace quorvel::app {
namespace {

namespace msg = app_messages;

// `value` with `decimals` decimals, never "-0.00".
std::string fixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    std::string text(buffer.data(), ec == std::errc() ? end : buffer.data());
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::optional<std::vector<identify::LogRow>> logOf(UiServices& ui, const LevelVolumeFile& file) {
    if (!file.notNumbers.empty()) {
        const LevelVolumeFinding& first = file.notNumbers.front();
        showStop(ui, messageStop(msg::logNotNumber(first.row, first.column, first.text)));
        return std::nullopt;
    }
    std::vector<identify::LogRow> log;
    log.reserve(file.points.size());
    for (const LevelVolumePoint& p : file.points) {
        log.push_back({p.level, p.volume, p.row});
    }
    return log;
}

// The tilted page as the identification reads it: an empty α or β is the 0 it starts from.
class TiltSought : public FieldSource {
  public:
    explicit TiltSought(FieldSource& form) : form_(form) {}
    int activePage() const override { return form_.activePage(); }
    std::string text(std::string_view control) const override {
        std::string t = form_.text(control);
        if (t.empty() && (control == kTiltAlphaField || control == kTiltBetaField)) {
            return "0";
        }
        return t;
    }
    bool checked(std::string_view control) const override { return form_.checked(control); }
    int itemIndex(std::string_view control) const override { return form_.itemIndex(control); }
    std::string cell(int col, int row) const override { return form_.cell(col, row); }
    void setText(std::string_view control, std::string_view text) override {
        form_.setText(control, text);
    }
    void setChecked(std::string_view control, bool on) override { form_.setChecked(control, on); }

  private:
    FieldSource& form_;
};

}  // namespace

std::optional<std::vector<identify::LogRow>> readTiltLog(UiServices& ui, const std::string& path) {
    return guarded(ui, [&] { return logOf(ui, readLevelVolumeFile(path)); });
}

std::optional<std::vector<identify::LogRow>> parseTiltLog(UiServices& ui, const std::string& text) {
    return guarded(ui, [&] { return logOf(ui, readLevelVolumeBytes(text, {})); });
}

std::optional<identify::TiltFit> identifyTilt(FieldSource& form, UiServices& ui,
                                              const IdentifyRequest& request) {
    return guarded(ui, [&]() -> std::optional<identify::TiltFit> {
        if (Jgxs(form) != ShellKind::Tilted) {
            showStop(ui, messageStop(std::string(identify_messages::kNotTilted)));
            return std::nullopt;
        }
        TiltSought sought(form);
        const std::optional<QuickRequest> tank =
            shownOutcome(ui, readQuickRequest(sought, kQuickLevelField, 0.0));
        if (!tank) {
            return std::nullopt;
        }
        return shownOutcome(ui, identify::fitTilt(tank->config, request.log, request.kind,
                                                  request.unknowns, request.withoutOutliers));
    });
}

TiltFitTexts tiltFitTexts(const identify::TiltFit& fit) {
    return {fixed(fit.alpha, 4),   fixed(fit.beta, 4),   fixed(fit.offset, 2),
            fixed(fit.alphaSe, 4), fixed(fit.betaSe, 4), fixed(fit.offsetSe, 2),
            fixed(fit.rms, 3)};
}

std::string tiltFigures(const identify::TiltFit& fit, const FieldSource& form) {
    const TiltFitTexts t = tiltFitTexts(fit);
    const auto angle = [](std::string mark, bool fitted, const std::string& se) {
        return mark + " " + (fitted ? "± " + se + "°" : std::string(msg::kHeldUnknown));
    };
    std::string figures = angle(alphaMark(form.text(kTiltAlphaField)), fit.fitted.alpha, t.alphaSe);
    figures += "，" + angle(betaMark(form.text(kTiltBetaField)), fit.fitted.beta, t.betaSe);
    if (fit.fitted.offset) {
        figures += "，δ " + t.offset + " mm ± " + t.offsetSe + " mm";
    }
    return figures + "，" + msg::fitCounts(t.rms, fit.used, fit.outliers, fit.refitted);
}

void applyTiltFit(FieldSource& form, const identify::TiltFit& fit) {
    const TiltFitTexts t = tiltFitTexts(fit);
    if (fit.fitted.alpha) {
        form.setText(kTiltAlphaField, t.alpha);
    }
    if (fit.fitted.beta) {
        form.setText(kTiltBetaField, t.beta);
    }
    form.setText(kTiltFitField, tiltFigures(fit, form));
}

}  // namespace quorvel::app
