#include "ui/oil_quantity_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "form/booked_fields.h"
#include "form/controls.h"
#include "form/fields.h"
#include "form/oil_fields.h"
#include "output/output_messages.h"
#include "ui/input_filters.h"
#include "ui/mirrored_field.h"
#include "ui/qt_text.h"
#include "ui/table_printing.h"
#include "ui/ui_messages.h"

namespace quorvel::ui {
namespace {

namespace msg = app_messages;

// The reference height shown beside the ullage: Edit48 itself, mirrored.
constexpr std::string_view kOilReferenceHeightView = "OilReferenceHeight";

template <class W>
W* named(W* widget, std::string_view name) {
    widget->setObjectName(qs(name));
    return widget;
}

class Builder {
  public:
    explicit Builder(double scale) : scale_(scale) {}
    int px(int design) const { return qRound(design * scale_); }

    QLineEdit* edit(std::string_view name, FilterKind filter) {
        auto* e = named(new QLineEdit, name);
        e->setValidator(new CharacterFilter(filter, e));
        e->setFixedWidth(px(80));
        e->setAlignment(Qt::AlignRight);
        return e;
    }
    // A result: selectable, right-aligned, wide enough for a large tank's litres.
    QLabel* result(std::string_view name, bool booked) {
        auto* l = named(new QLabel, name);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(px(110));
        l->setFrameShape(QFrame::StyledPanel);
        if (booked) {
            QFont bold = l->font();
            bold.setBold(true);
            l->setFont(bold);
        }
        return l;
    }
    // A row of the grid: caption, field, unit.
    static void addRow(QGridLayout& grid, QWidget* caption, QWidget* field,
                       std::string_view unit = {}) {
        const int row = grid.rowCount();
        grid.addWidget(caption, row, 0);
        grid.addWidget(field, row, 1);
        if (!unit.empty()) {
            grid.addWidget(new QLabel(qs(unit)), row, 2);
        }
    }

    QGroupBox* inputs();
    QGroupBox* booked();
    QGroupBox* results();

  private:
    double scale_;
};

// A field of free text, as wide as the dip and its unit together.
QLineEdit* freeText(std::string_view name, const char* hint) {
    auto* e = named(new QLineEdit, name);
    e->setPlaceholderText(QString::fromUtf8(hint));
    return e;
}

QGroupBox* Builder::inputs() {
    auto* box = named(new QGroupBox(qs(ui_messages::kOilInputsBox)), "OilInputsBox");
    auto* grid = new QGridLayout(box);
    const int gauged = grid->rowCount();
    grid->addWidget(new QLabel(qs(output_messages::kGaugingTime)), gauged, 0);
    grid->addWidget(freeText(kGaugingTimeField, ui_messages::kGaugingTimeHint), gauged, 1, 1, 2);
    addRow(*grid, new QLabel(qs(output_messages::kDip)),
           edit(kOilLevelField, FilterKind::DigitsAndPoint), output_messages::kUnitMm);
    // Or the dip read from the top, below the reference height (Edit48, shown here again).
    addRow(*grid, new QLabel(qs(output_messages::kUllage)),
           edit(kOilUllageField, FilterKind::DigitsAndPoint), output_messages::kUnitMm);
    auto* reference = named(new QWidget, "OilReferenceHeightBox");
    auto* referenceRow = new QHBoxLayout(reference);
    referenceRow->setContentsMargins(px(8), 0, 0, 0);
    referenceRow->addWidget(new QLabel(qs(output_messages::kReferenceHeight)));
    referenceRow->addWidget(edit(kOilReferenceHeightView, FilterKind::DigitsAndPoint));
    referenceRow->addWidget(new QLabel(qs(output_messages::kUnitMm)));
    referenceRow->addStretch(1);
    grid->addWidget(reference, grid->rowCount() - 1, 3, Qt::AlignLeft);
    auto* groups = named(new QComboBox, kProductGroupList);
    for (const std::string& entry : listEntries(kProductGroupList)) {
        groups->addItem(QString::fromStdString(entry));
    }
    groups->setCurrentIndex(-1);
    addRow(*grid, new QLabel(qs(output_messages::kProductGroup)), groups);
    const int product = grid->rowCount();
    grid->addWidget(new QLabel(qs(output_messages::kProductName)), product, 0);
    grid->addWidget(freeText(kProductNameField, ui_messages::kProductNameHint), product, 1, 1, 2);
    addRow(*grid, new QLabel(qs(output_messages::kOilTemperature)),
           edit(kOilTemperatureField, FilterKind::SignedDecimal), output_messages::kUnitCelsius);

    // Each pair of choices has a parent of its own, so each pair is exclusive by itself.
    auto* density = named(new QWidget, "OilDensityChoice");
    auto* densityGrid = new QGridLayout(density);
    densityGrid->setContentsMargins(0, 0, 0, 0);
    // One unit for both densities, as in the main window.
    auto* unit = named(new QComboBox, kOilDensityUnitList);
    for (const std::string& entry : listEntries(kOilDensityUnitList)) {
        unit->addItem(QString::fromStdString(entry));
    }
    unit->setCurrentIndex(-1);
    addRow(*densityGrid,
           named(new QRadioButton(qs(output_messages::kObservedDensity)), kObservedDensityChoice),
           edit(kObservedDensityField, FilterKind::DigitsAndPoint));
    densityGrid->addWidget(unit, densityGrid->rowCount() - 1, 2);
    auto* testTemperature = new QLabel(qs(output_messages::kTestTemperature));
    testTemperature->setIndent(px(20));
    addRow(*densityGrid, testTemperature, edit(kTestTemperatureField, FilterKind::SignedDecimal),
           output_messages::kUnitCelsius);
    addRow(*densityGrid,
           named(new QRadioButton(qs(output_messages::kStandardDensity)), kStandardDensityChoice),
           edit(kStandardDensityField, FilterKind::DigitsAndPoint));
    auto* standardUnit = named(new QLabel, "OilStandardDensityUnit");
    densityGrid->addWidget(standardUnit, densityGrid->rowCount() - 1, 2);
    QObject::connect(unit, &QComboBox::currentTextChanged, standardUnit, &QLabel::setText);
    grid->addWidget(density, grid->rowCount(), 0, 1, 3);

    auto* reading = named(new QWidget, "OilReadingChoice");
    auto* readingRow = new QHBoxLayout(reading);
    readingRow->setContentsMargins(0, 0, 0, 0);
    readingRow->addWidget(new QLabel(qs(output_messages::kReading)));
    readingRow->addWidget(
        named(new QRadioButton(qs(output_messages::kReadingPrintedTable)), kPrintedTableChoice));
    readingRow->addWidget(
        named(new QRadioButton(qs(output_messages::kReadingFormula)), kFormulaChoice));
    readingRow->addStretch(1);
    grid->addWidget(reading, grid->rowCount(), 0, 1, 3);
    grid->setColumnStretch(3, 1);
    return box;
}

// The booked quantity's inputs: water, the shell's temperature and material, SW, safe level.
QGroupBox* Builder::booked() {
    namespace out = output_messages;
    auto* box = named(new QGroupBox(qs(ui_messages::kOilBookedBox)), "OilBookedBox");
    auto* grid = new QGridLayout(box);
    addRow(*grid, new QLabel(qs(out::kWaterLevel)),
           edit(kWaterLevelField, FilterKind::DigitsAndPoint), out::kUnitMm);
    addRow(*grid, new QLabel(qs(out::kShellTemperatureTyped)),
           edit(kShellTemperatureField, FilterKind::SignedDecimal), out::kUnitCelsius);
    addRow(*grid, new QLabel(qs(ui_messages::kOilAmbientTemperature)),
           edit(kAmbientTemperatureField, FilterKind::SignedDecimal), out::kUnitCelsius);
    grid->addWidget(named(new QCheckBox(qs(ui_messages::kOilInsulated)), kInsulatedSwitch),
                    grid->rowCount() - 1, 3);
    auto* materials = named(new QComboBox, kShellMaterialList);
    for (const std::string& entry : listEntries(kShellMaterialList)) {
        materials->addItem(QString::fromStdString(entry));
    }
    materials->setCurrentIndex(-1);
    materials->setPlaceholderText(qs(listEntries(kShellMaterialList).front()));
    const int material = grid->rowCount();
    grid->addWidget(new QLabel(qs(out::kShellMaterial)), material, 0);
    grid->addWidget(materials, material, 1, 1, 3);
    addRow(*grid, new QLabel(qs(out::kShellExpansion)),
           edit(kShellExpansionField, FilterKind::DigitsAndPoint), out::kUnitPerCelsius);
    auto* tableTemperature = edit(kTableTemperatureField, FilterKind::SignedDecimal);
    tableTemperature->setPlaceholderText(QStringLiteral("20"));
    addRow(*grid, new QLabel(qs(out::kTableTemperature)), tableTemperature, out::kUnitCelsius);
    addRow(*grid, new QLabel(qs(out::kSw)), edit(kSedimentWaterField, FilterKind::DigitsAndPoint),
           out::kUnitPercent);
    addRow(*grid, new QLabel(qs(ui_messages::kOilSafeLevel)),
           edit(kSafeLevelField, FilterKind::DigitsAndPoint), out::kUnitMm);
    grid->setRowStretch(grid->rowCount(), 1);
    return box;
}

QGroupBox* Builder::results() {
    auto* box = named(new QGroupBox(qs(ui_messages::kOilResultsBox)), "OilResultsBox");
    auto* grid = new QGridLayout(box);
    addRow(*grid, new QLabel(qs(output_messages::kVt)), result(kOilVtLabel, false),
           output_messages::kUnitLitre);
    addRow(*grid, new QLabel(qs(output_messages::kRho20)), result(kOilRho20Label, false),
           output_messages::kUnitDensity);
    addRow(*grid, new QLabel(qs(output_messages::kVcf20)), result(kOilVcf20Label, false));
    addRow(*grid, new QLabel(qs(output_messages::kV20)), result(kOilV20Label, true),
           output_messages::kUnitLitre);
    addRow(*grid, new QLabel(qs(output_messages::kMass)), result(kOilMassLabel, true),
           output_messages::kUnitKg);
    // The booked quantity's results beside the five.
    const std::pair<std::string_view, std::string_view> chain[] = {
        {output_messages::kFw, kOilFwLabel},
        {output_messages::kCtsh, kOilCtshLabel},
        {output_messages::kVgo, kOilVgoLabel},
        {output_messages::kVns, kOilVnsLabel},
        {ui_messages::kOilRoom, kOilRoomLabel}};
    int row = 1;  // beside Vt: an empty grid counts one row, so the five start at 1
    for (const auto& [text, label] : chain) {
        auto* caption = new QLabel(qs(text));
        caption->setIndent(px(16));
        grid->addWidget(caption, row, 4);
        grid->addWidget(result(label, label == kOilVnsLabel), row, 5);
        if (label != kOilCtshLabel) {
            grid->addWidget(new QLabel(qs(output_messages::kUnitLitre)), row, 6);
        }
        ++row;
    }
    auto* status = named(new QLabel, kOilStatusLabel);
    status->setWordWrap(true);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(status, grid->rowCount(), 0, 1, 7);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(7, 1);
    return box;
}

}  // namespace

QPushButton* makeOilQuantityDialog(QWidget& window, double scale) {
    Builder b(scale);
    auto* dialog = named(new QDialog(&window), "OilQuantityDialog");
    dialog->setWindowTitle(qs(msg::kOilTitle));
    auto* layout = new QVBoxLayout(dialog);
    auto* inputs = new QHBoxLayout;
    inputs->addWidget(b.inputs());
    inputs->addWidget(b.booked());
    layout->addLayout(inputs);
    layout->addWidget(b.results());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        named(new QPushButton(qs(ui_messages::kOilCalculate)), "OilCalculateButton"));
    buttons->addWidget(named(new QPushButton(qs(ui_messages::kOilSaveTicket)), kOilSaveButton));
    buttons->addWidget(named(new QPushButton(qs(ui_messages::kOilPdf)), kOilPdfButton));
    buttons->addWidget(named(new QPushButton(qs(ui_messages::kOilPrint)), kOilPrintButton));
    buttons->addStretch(1);
    auto* close = named(new QPushButton(qs(ui_messages::kOilClose)), "OilCloseButton");
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    dialog->hide();

    auto* open = named(new QPushButton(qs(ui_messages::kOilOpenButton)), "OilQuantityButton");
    // A flat button that fits a line of text, so the quick calculation keeps its height.
    open->setFlat(true);
    open->setStyleSheet(QStringLiteral("QPushButton { padding: 0px %1px; color: #0040a0; }"
                                       "QPushButton:hover { text-decoration: underline; }")
                            .arg(b.px(4)));
    open->setFixedWidth(open->fontMetrics().horizontalAdvance(open->text()) + b.px(10));
    return open;
}

void wireOilQuantityDialog(QWidget& window, app::WindowOperations& ops, UiServices& ui) {
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("OilQuantityDialog"));
    auto button = [&window](const char* name) {
        return window.findChild<QPushButton*>(QString::fromUtf8(name));
    };
    QObject::connect(button("OilQuantityButton"), &QPushButton::clicked, dialog, [dialog, &ops] {
        ops.oil().opened();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    mirrorField(*window.findChild<QLineEdit*>(qs(kReferenceHeightField)),
                *dialog->findChild<QLineEdit*>(qs(kOilReferenceHeightView)));
    // A dip typed as a level empties the ullage, as in the main window.
    QObject::connect(dialog->findChild<QLineEdit*>(qs(kOilLevelField)), &QLineEdit::textEdited,
                     dialog, [&ops] { ops.oil().levelTyped(); });
    // The window computes its tanks by the method of its tables.
    QObject::connect(button("OilCalculateButton"), &QPushButton::clicked, dialog,
                     [&ops] { ops.oil().calculate(); });
    QObject::connect(button("OilSaveButton"), &QPushButton::clicked, dialog,
                     [&ops] { ops.oil().saveTicket(); });
    QObject::connect(button("OilPdfButton"), &QPushButton::clicked, dialog,
                     [&ops] { ops.oil().saveTicketPdf(); });
    QObject::connect(button("OilPrintButton"), &QPushButton::clicked, dialog, [dialog, &ops, &ui] {
        const std::optional<paper::Document> paper = ops.oil().ticketPaper();
        if (!paper) {
            return;
        }
        app::guarded(ui, [&]() -> std::optional<bool> {
            printWithPreview(*paper, std::string(output_messages::kTicketTitle), dialog);
            return true;
        });
    });
}

}  // namespace quorvel::ui
