#include "ui/tilt_identify_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

#include "app/identify_operations.h"
#include "form/fields.h"
#include "ui/qt_text.h"
#include "ui/residual_plot.h"
#include "ui/ui_messages.h"

namespace quorvel::ui {
namespace {

namespace msg = ui_messages;

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

QLabel* result(const char* name) {
    auto* l = named(new QLabel, name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QGroupBox* logBox(double scale) {
    auto* box = new QGroupBox(QString::fromUtf8(msg::kIdentifyLogBox));
    auto* layout = new QVBoxLayout(box);
    auto* text = named(new QPlainTextEdit, "TiltLogText");
    text->setPlaceholderText(QString::fromUtf8(msg::kIdentifyLogHint));
    text->setMinimumHeight(qRound(110 * scale));
    layout->addWidget(text);
    auto* kinds = new QHBoxLayout;
    auto* outflow =
        named(new QRadioButton(QString::fromUtf8(msg::kIdentifyOutflow)), "TiltOutflowChoice");
    outflow->setChecked(true);
    kinds->addWidget(outflow);
    kinds->addWidget(
        named(new QRadioButton(QString::fromUtf8(msg::kIdentifyAbsolute)), "TiltAbsoluteChoice"));
    kinds->addStretch(1);
    kinds->addWidget(
        named(new QPushButton(QString::fromUtf8(msg::kIdentifyImport)), "TiltImportButton"));
    layout->addLayout(kinds);
    auto* unknowns = new QHBoxLayout;
    unknowns->addWidget(new QLabel(QString::fromUtf8(msg::kIdentifyFitCaption)));
    for (const auto& [name, caption, on] : {std::tuple{"TiltFitAlpha", msg::kIdentifyAlpha, true},
                                            {"TiltFitBeta", msg::kIdentifyBeta, true},
                                            {"TiltFitOffset", msg::kIdentifyOffset, false}}) {
        auto* box = named(new QCheckBox(QString::fromUtf8(caption)), name);
        box->setChecked(on);
        unknowns->addWidget(box);
    }
    unknowns->addWidget(
        named(new QCheckBox(QString::fromUtf8(msg::kIdentifyDropOutliers)), "TiltDropOutliers"));
    unknowns->addStretch(1);
    layout->addLayout(unknowns);
    return box;
}

QWidget* resultsGrid() {
    auto* w = new QWidget;
    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<const char*, const char*>, 6> rows{{
        {"α", "TiltAlphaResult"},
        {"β", "TiltBetaResult"},
        {"δ", "TiltOffsetResult"},
        {msg::kIdentifyRms, "TiltRmsResult"},
        {msg::kIdentifyRows, "TiltRowsResult"},
        {msg::kIdentifyOutliers, "TiltOutliersResult"},
    }};
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        grid->addWidget(new QLabel(QString::fromUtf8(rows[i].first)), i / 3, (i % 3) * 2);
        QLabel* value = result(rows[i].second);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 18);
        grid->addWidget(value, i / 3, (i % 3) * 2 + 1);
    }
    grid->setColumnStretch(5, 1);
    return w;
}

// What the dialog holds between 识别 and 应用: the log read and the fit made from it.
struct Session {
    std::vector<identify::LogRow> log;
    std::optional<identify::TiltFit> fit;
};

}  // namespace

QPushButton* makeTiltIdentifyDialog(QWidget& window, double scale) {
    auto* dialog = named(new QDialog(&window), "TiltIdentifyDialog");
    dialog->setWindowTitle(QString::fromUtf8(msg::kIdentifyTitle));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(logBox(scale));
    layout->addWidget(resultsGrid());
    layout->addWidget(new QLabel(QString::fromUtf8(msg::kIdentifyPlotCaption)));
    auto* plot = new ResidualPlot;
    plot->setObjectName(QStringLiteral("TiltResidualPlot"));
    plot->setMinimumSize(qRound(520 * scale), qRound(170 * scale));
    layout->addWidget(plot, 1);
    auto* applied = new QHBoxLayout;
    applied->addWidget(new QLabel(QString::fromUtf8(msg::kIdentifyApplied)));
    auto* figures = new QLineEdit;
    figures->setObjectName(qs(kTiltFitField));
    figures->setReadOnly(true);
    applied->addWidget(figures, 1);
    layout->addLayout(applied);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        named(new QPushButton(QString::fromUtf8(msg::kIdentifyRun)), "TiltIdentifyRunButton"));
    auto* apply =
        named(new QPushButton(QString::fromUtf8(msg::kIdentifyApply)), "TiltIdentifyApplyButton");
    apply->setToolTip(QString::fromUtf8(msg::kIdentifyApplyTip));
    apply->setEnabled(false);
    buttons->addWidget(apply);
    buttons->addStretch(1);
    auto* close = named(new QPushButton(QString::fromUtf8(msg::kCloseButton)), "TiltCloseButton");
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    dialog->hide();

    auto* open =
        named(new QPushButton(QString::fromUtf8(msg::kIdentifyOpenButton)), "TiltIdentifyButton");
    open->setToolTip(QString::fromUtf8(msg::kIdentifyOpenTip));
    // A flat button one line of text high, as "油量计算…", so the page keeps its height.
    open->setFlat(true);
    open->setStyleSheet(QStringLiteral("QPushButton { padding: 0px %1px; color: #0040a0; }"
                                       "QPushButton:hover { text-decoration: underline; }")
                            .arg(qRound(1 * scale)));
    open->setFixedWidth(open->fontMetrics().horizontalAdvance(open->text()) + qRound(2 * scale));
    return open;
}

void wireTiltIdentifyDialog(QWidget& window, FieldSource& form, UiServices& ui) {
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("TiltIdentifyDialog"));
    // The lambdas below outlive this function: each holds the dialog, never a local.
    auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("TiltLogText"));
    auto* plot = dialog->findChild<ResidualPlot*>(QStringLiteral("TiltResidualPlot"));
    auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("TiltIdentifyApplyButton"));
    const auto box = [dialog](const char* name) {
        return dialog->findChild<QAbstractButton*>(QString::fromUtf8(name));
    };
    const auto label = [dialog](const char* name) {
        return dialog->findChild<QLabel*>(QString::fromUtf8(name));
    };
    auto session = std::make_shared<Session>();

    // A result belongs to the log, its kind and the unknowns it was fitted for.
    const auto clear = [=] {
        session->fit.reset();
        for (const char* name : {"TiltAlphaResult", "TiltBetaResult", "TiltOffsetResult",
                                 "TiltRmsResult", "TiltRowsResult", "TiltOutliersResult"}) {
            label(name)->clear();
        }
        plot->clear();
        apply->setEnabled(false);
    };
    QObject::connect(text, &QPlainTextEdit::textChanged, dialog, clear);
    for (const char* name : {"TiltOutflowChoice", "TiltFitAlpha", "TiltFitBeta", "TiltFitOffset",
                             "TiltDropOutliers"}) {
        QObject::connect(box(name), &QAbstractButton::toggled, dialog, clear);
    }

    QObject::connect(box("TiltImportButton"), &QAbstractButton::clicked, dialog, [=, &ui] {
        const QString path =
            QFileDialog::getOpenFileName(dialog, QString::fromUtf8(msg::kIdentifyTitle), {},
                                         QString::fromUtf8(msg::kIdentifyImportFilter));
        if (path.isEmpty()) {
            return;
        }
        const auto log = app::readTiltLog(ui, path.toStdString());
        if (!log) {
            return;
        }
        QString lines;
        for (const identify::LogRow& row : *log) {
            lines += QString::number(row.level, 'g', 15) + '\t' +
                     QString::number(row.volume, 'g', 15) + '\n';
        }
        text->setPlainText(lines);
    });

    QObject::connect(
        box("TiltIdentifyRunButton"), &QAbstractButton::clicked, dialog, [=, &form, &ui] {
            clear();
            const auto log = app::parseTiltLog(ui, text->toPlainText().toStdString());
            if (!log) {
                return;
            }
            app::IdentifyRequest request;
            request.log = *log;
            request.kind = box("TiltOutflowChoice")->isChecked() ? identify::LogKind::Outflow
                                                                 : identify::LogKind::Absolute;
            request.unknowns = {box("TiltFitAlpha")->isChecked(), box("TiltFitBeta")->isChecked(),
                                box("TiltFitOffset")->isChecked()};
            request.withoutOutliers = box("TiltDropOutliers")->isChecked();
            dialog->setCursor(Qt::WaitCursor);
            std::optional<identify::TiltFit> fit = app::identifyTilt(form, ui, request);
            dialog->unsetCursor();
            if (!fit) {
                return;
            }
            const app::TiltFitTexts t = app::tiltFitTexts(*fit);
            const auto shown = [](const std::string& value, const std::string& se, bool fitted,
                                  const char* unit) {
                return QString::fromStdString(fitted ? value + unit + " ± " + se + unit
                                                     : value + unit + "（给定）");
            };
            label("TiltAlphaResult")->setText(shown(t.alpha, t.alphaSe, fit->fitted.alpha, "°"));
            label("TiltBetaResult")->setText(shown(t.beta, t.betaSe, fit->fitted.beta, "°"));
            label("TiltOffsetResult")
                ->setText(shown(t.offset, t.offsetSe, fit->fitted.offset, " mm"));
            label("TiltRmsResult")->setText(QString::fromStdString(t.rms + " L"));
            label("TiltRowsResult")->setText(QString::number(fit->used));
            QStringList rows;
            for (const identify::Residual& r : fit->residuals) {
                if (r.outlier) {
                    const int source = request.log[r.row].sourceRow;
                    rows << QString::number(source > 0 ? source : static_cast<int>(r.row) + 1);
                }
            }
            label("TiltOutliersResult")
                ->setText(rows.isEmpty() ? QString::fromUtf8(msg::kIdentifyNoOutliers)
                                         : QStringLiteral("第 %1 行").arg(rows.join("、")));
            plot->show(fit->residuals, fit->rms);
            session->log = request.log;
            session->fit = std::move(fit);
            apply->setEnabled(true);
        });

    QObject::connect(apply, &QPushButton::clicked, dialog, [=, &form] {
        if (session->fit) {
            app::applyTiltFit(form, *session->fit);
            apply->setEnabled(false);
        }
    });

    QObject::connect(window.findChild<QPushButton*>(QStringLiteral("TiltIdentifyButton")),
                     &QPushButton::clicked, dialog, [dialog] {
                         dialog->show();
                         dialog->raise();
                         dialog->activateWindow();
                     });
}

}  // namespace quorvel::ui
