#include "ui/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "form/controls.h"
#include "form/fields.h"
#include "tank/tank_reader.h"
#include "ui/calibration_grid_view.h"
#include "ui/grid_cell_delegate.h"
#include "ui/mirrored_field.h"
#include "ui/mouse_up_buttons.h"
#include "ui/oil_quantity_dialog.h"
#include "ui/picture_image.h"
#include "ui/pictures/capacity_curve_view.h"
#include "ui/qt_text.h"
#include "ui/qt_ui_services.h"
#include "ui/table_document_buttons.h"
#include "ui/table_import_button.h"
#include "ui/tank_register_dialog.h"
#include "ui/tilt_identify_dialog.h"
#include "ui/ui_messages.h"
#include "ui/uncertainty_dialog.h"

namespace quorvel::ui {
namespace {

constexpr double kDesignDpi = 120;
constexpr int kProgressDelayMs = 500;  // a shorter write shows no progress
// The file itself is written in one call that reports nothing; a table this long takes
// longer than the delay to save, so the dialog is shown before that call.
constexpr std::size_t kLongSaveRows = 100'000;

template <class W>
W& named(QWidget& window, std::string_view name) {
    auto* w = window.findChild<W*>(qs(name));
    Q_ASSERT(w != nullptr);
    return *w;
}

}  // namespace

TFrmMain::TFrmMain(std::string programFolder, UiServices* services, QWidget* parent)
    : TFrmMain(app::ProgramFiles{std::move(programFolder), {}}, services, parent) {}

TFrmMain::TFrmMain(app::ProgramFiles files, UiServices* services, QWidget* parent)
    : QWidget(parent) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    scale_ = (screen != nullptr ? screen->logicalDotsPerInchX() : kDesignDpi) / kDesignDpi;
    if (services == nullptr) {
        ownServices_ = std::make_unique<QtUiServices>(this, [this] { endProgress(); });
        services = ownServices_.get();
    }
    services_ = services;
    buildLayout();
    form_ = std::make_unique<WidgetForm>(*this, *grid_, *pages_, *pictures_, *curve_);
    operations_ = std::make_unique<app::WindowOperations>(*form_, *services_, std::move(files));
    wireEvents();
    wireTableDocumentButtons(*this, *operations_, *services_);
    wireUncertaintyDialog(*this, *form_, *services_);
    showShellDrawing();
}

void TFrmMain::showShellDrawing() {
    curve_->setPlaceholder(shellDrawing(Jgxs(*form_), sectionOf(*form_)));
}

TFrmMain::~TFrmMain() {
    // The controls are destroyed after the operations; nothing they signal on the way (an
    // open cell editor commits) may reach them.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

int TFrmMain::scaled(int designPixels) const {
    return qRound(designPixels * scale_);
}

void TFrmMain::wireInputChanges() {
    app::WindowOperations& ops = *operations_;
    for (const ControlInfo& c : storedControls()) {
        const std::string name(c.name);
        QWidget& w = form_->control(c.name);
        const auto changed = [&ops, name] { ops.inputChanged(name); };
        if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
            connect(edit, &QLineEdit::textChanged, this, changed);
        } else if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
            connect(button, &QAbstractButton::toggled, this, changed);
        } else if (auto* list = qobject_cast<QComboBox*>(&w)) {
            connect(list, &QComboBox::currentTextChanged, this, changed);
        }
    }
    const auto gridChanged = [&ops] { ops.inputChanged(kGridControl); };
    connect(grid_, &QTableWidget::itemChanged, this, gridChanged);
    connect(grid_->model(), &QAbstractItemModel::rowsRemoved, this, gridChanged);
    connect(grid_->model(), &QAbstractItemModel::rowsInserted, this, gridChanged);
    connect(pages_, &QTabWidget::currentChanged, this, [&ops] { ops.inputChanged(kShellPages); });
    // The upright tank's grids describe the tank as the calibration grid does.
    for (std::string_view name : {kCourseGrid, kDeadwoodGrid}) {
        connect(&static_cast<QTableWidget&>(form_->control(name)), &QTableWidget::itemChanged, this,
                gridChanged);
    }
}

void TFrmMain::wireEvents() {
    wireInputChanges();
    app::WindowOperations& ops = *operations_;
    for (std::string_view name : {kCircularChoice, kEllipticalChoice}) {
        named<MouseUpRadioButton>(*this, name).onMouseUp = [this, &ops] {
            ops.sectionClicked();
            showShellDrawing();
        };
    }
    named<MouseUpCheckBox>(*this, kDefaultsSwitch).onMouseUp = [&ops] { ops.defaultsClicked(); };
    named<MouseUpCheckBox>(*this, kWeightsSwitch).onMouseUp = [&ops] { ops.weightSwitchClicked(); };
    connect(pages_, &QTabWidget::currentChanged, this, [this, &ops](int page) {
        ops.shellPageChanged(page);
        showShellDrawing();
    });
    connect(&named<QLineEdit>(*this, kDensityField), &QLineEdit::textChanged, this,
            [&ops] { ops.densityChanged(); });
    // Only a pick by the user reshapes the grid, not the choice made after a load.
    connect(&named<QComboBox>(*this, kPointCountList), &QComboBox::activated, this,
            [&ops] { ops.pointCountChanged(); });
    connect(&named<QPushButton>(*this, kClearPointsButton), &QPushButton::clicked, this,
            [&ops] { ops.clearPoints(); });
    grid_->onPaste = [&ops](int col, int row, const QString& text) {
        ops.pastePoints(col, row, text.toStdString());
    };
    static_cast<GridCellDelegate*>(grid_->itemDelegate())->pasteBlock = [this] {
        grid_->pasteClipboard();
    };
    connect(&named<QPushButton>(*this, kQuickButton), &QPushButton::clicked, this,
            [&ops] { ops.quick(); });
    // The reference height beside the ullage is Edit48 itself, shown twice.
    mirrorField(named<QLineEdit>(*this, kReferenceHeightField),
                named<QLineEdit>(*this, kReferenceHeightBeside));
    connect(&named<QPushButton>(*this, kFindLevelButton), &QPushButton::clicked, this,
            [&ops] { ops.findLevel(); });
    // A level typed by the user (not one an ullage gave) is asked by the level again.
    connect(&named<QLineEdit>(*this, kQuickLevelField), &QLineEdit::textEdited, this,
            [&ops] { ops.levelTyped(); });
    connect(&named<QPushButton>(*this, kHelpButton), &QPushButton::clicked, this,
            [&ops] { ops.help(); });
    connect(&named<QPushButton>(*this, kSnapshotButton), &QPushButton::clicked, this,
            [this] { Button3Click(); });
    wireOilQuantityDialog(*this, ops, *services_);
    wireTableImportButton(*this, ops);
    wireTiltIdentifyDialog(*this, *form_, *services_);
    wireTankRegister(*this, ops, *form_, *services_, *pages_);
    for (std::string_view name : {kGenerateButton, kHiddenGenerateButton}) {
        connect(&named<QPushButton>(*this, name), &QPushButton::clicked, this,
                [this] { Button1Click(); });
    }
}

void TFrmMain::FormActivate() {
    if (started_) {
        return;
    }
    started_ = true;
    operations_->start();
    showShellDrawing();
}

bool TFrmMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        FormActivate();
    } else if (e->type() == QEvent::Show && !started_) {
        // Without a window manager the window may never be activated: right after it is
        // first shown counts as well, whichever comes first.
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
    return QWidget::event(e);
}

void TFrmMain::closeEvent(QCloseEvent* e) {
    // A window closed before its settings were loaded would store an empty form over them.
    if (started_) {
        operations_->close();
    }
    e->accept();
}

void TFrmMain::endProgress() {
    progress_.reset();
}

void TFrmMain::Button1Click() {
    // The dialog appears only for a write that lasts; while it shows, the window repaints.
    // Its last step is the save itself, so it stays up until the file is written, and it
    // ends before any box of the operation appears (QtUiServices calls endProgress).
    const auto progress = [this](std::size_t done, std::size_t total) {
        if (!progress_) {
            progress_ = std::make_unique<QProgressDialog>(this);
            QProgressDialog* dialog = progress_.get();
            dialog->setWindowTitle(QApplication::applicationName());
            dialog->setCancelButton(nullptr);
            dialog->setWindowModality(Qt::WindowModal);
            dialog->setMinimumDuration(kProgressDelayMs);
            dialog->setRange(0, static_cast<int>(total) + 1);
            dialog->setValue(0);
        }
        QProgressDialog* dialog = progress_.get();
        dialog->setLabelText(done < total
                                 ? QString::fromUtf8(ui_messages::kWritingRows).arg(done).arg(total)
                                 : QString::fromUtf8(ui_messages::kSavingRows).arg(total));
        dialog->setValue(static_cast<int>(done));
        if (done == total && total >= kLongSaveRows && !dialog->isVisible()) {
            dialog->show();
            QCoreApplication::processEvents();
        }
    };
    operations_->generate(progress);
    endProgress();
}

QImage TFrmMain::renderClientArea() {
    return grab().toImage();
}

void TFrmMain::Button3Click() {
    operations_->snapshot(pictureOf(renderClientArea()));
}

}  // namespace quorvel::ui
