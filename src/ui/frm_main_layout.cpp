// The window's controls and their layout, at the design sizes of 120 pixels per inch: the
// left panel 793 wide with its upper part 488 high, the picture pages beside it, every row
// of controls at the design's compact height so that the parts keep these proportions at the
// design size.
#include <algorithm>
#include <array>

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "form/controls.h"
#include "form/fields.h"
#include "form/head_kinds.h"
#include "form/interpolation_controls.h"
#include "form/method_controls.h"
#include "ui/calibration_grid_view.h"
#include "ui/elided_label.h"
#include "ui/frm_main.h"
#include "ui/grid_cell_delegate.h"
#include "ui/grid_widget_cells.h"
#include "ui/input_filters.h"
#include "ui/mouse_up_buttons.h"
#include "ui/oil_quantity_dialog.h"
#include "ui/pictures/capacity_curve_view.h"
#include "ui/pictures/drawing_pages.h"
#include "ui/qt_text.h"
#include "ui/table_document_buttons.h"
#include "ui/tank_register_dialog.h"
#include "ui/tilt_identify_dialog.h"
#include "ui/ui_messages.h"
#include "ui/upright_page.h"

namespace quorvel::ui {
namespace {

// Design sizes, pixels at 120 pixels per inch.
constexpr int kWindowWidth = 1264;
constexpr int kWindowHeight = 798;
constexpr int kLeftPanelWidth = 793;
constexpr int kUpperPartHeight = 488;
constexpr int kHeadBoxWidth = 248;
constexpr int kFieldWidth = 48;      // an edit field
constexpr int kHeadFieldWidth = 48;  // a head dimension
constexpr int kRowHeight = 26;       // an edit field, a list, a button
constexpr int kChoiceHeight = 25;    // a radio button, a check box
constexpr int kSpacing = 2;          // between the controls of a row
constexpr int kRowGap = 1;           // between rows
constexpr int kMargin = 4;           // around a group's or page's controls, top and bottom
constexpr int kSide = 3;             // the same, left and right
// When the window grows, the upper part and the picture area share the height in the
// design's proportion, so the calibration grid grows too.
constexpr int kUpperStretch = kUpperPartHeight;
constexpr int kLowerStretch = kWindowHeight - kUpperPartHeight;

// Builds the controls with their names, texts, hints and filters.
class Builder {
  public:
    explicit Builder(double scale) : scale_(scale) {}

    int px(int design) const { return qRound(design * scale_); }

    QLineEdit* edit(std::string_view name, FilterKind filter, std::string_view hint = {},
                    int width = kFieldWidth) {
        auto* e = new QLineEdit;
        e->setObjectName(qs(name));
        e->setValidator(new CharacterFilter(filter, e));
        e->setFixedSize(px(width), px(kRowHeight));
        if (!hint.empty()) {
            e->setToolTip(qs(hint));
        }
        return e;
    }

    QLabel* label(std::string_view text, std::string_view name = {}) {
        auto* l = new QLabel(qs(text));
        if (!name.empty()) {
            l->setObjectName(qs(name));
        }
        return l;
    }

    // A radio button or check box.
    template <class Button>
    Button* choice(std::string_view name, std::string_view caption) {
        auto* b = new Button(qs(caption));
        b->setObjectName(qs(name));
        b->setFixedHeight(px(kChoiceHeight));
        return b;
    }

    // A push button as wide as its caption needs, not the style's minimum.
    QPushButton* button(std::string_view name, std::string_view caption) {
        auto* b = new QPushButton(qs(caption));
        b->setObjectName(qs(name));
        b->setFixedSize(b->fontMetrics().horizontalAdvance(b->text()) + px(14), px(kRowHeight));
        return b;
    }

    QComboBox* list(std::string_view name, bool editable) {
        auto* box = new QComboBox;
        box->setObjectName(qs(name));
        box->setEditable(editable);
        box->setFixedHeight(px(kRowHeight));
        // The point counts are listed up to 999; the list grows to a larger grid's count.
        const std::vector<std::string>& entries = listEntries(name);
        const std::size_t listed = name == kPointCountList
                                       ? static_cast<std::size_t>(kListedPointCount - 1)
                                       : entries.size();
        for (std::size_t i = 0; i < listed && i < entries.size(); ++i) {
            box->addItem(QString::fromStdString(entries[i]));
        }
        box->setCurrentIndex(-1);
        return box;
    }

    // A row of labels and controls, left to right, then a stretch.
    QHBoxLayout* row(std::initializer_list<QWidget*> items) {
        auto* layout = new QHBoxLayout;
        layout->setSpacing(px(kSpacing));
        for (QWidget* w : items) {
            layout->addWidget(w);
        }
        layout->addStretch(1);
        return layout;
    }

    // The layout of a group box: one column with the design's small margins.
    QVBoxLayout* column(QWidget* owner) {
        auto* layout = new QVBoxLayout(owner);
        layout->setContentsMargins(px(kSide), px(kMargin), px(kSide), px(kMargin));
        layout->setSpacing(px(kRowGap));
        return layout;
    }
    // The layout of a shell page, whose frame is margin enough above and below.
    QVBoxLayout* pageColumn(QWidget* owner) {
        auto* layout = new QVBoxLayout(owner);
        layout->setContentsMargins(px(kSide), px(kRowGap), px(kSide), px(kRowGap));
        layout->setSpacing(0);
        return layout;
    }

    QGroupBox* headBox(HeadSide side);
    QWidget* shellPage(int page);
    QWidget* calibrationPage();
    QHBoxLayout* calibrationImportRow();
    // The table request; `documents` (the table documents' button) ends its last row.
    QGroupBox* tableRequest(QWidget* documents);
    QGroupBox* quickCalculation(std::initializer_list<QPushButton*> links);
    // Above the curve: the method list, the ullage and the level of a quantity.
    QHBoxLayout* methodBar();

  private:
    double scale_;
};

QGroupBox* Builder::headBox(HeadSide side) {
    const bool left = side == HeadSide::Left;
    auto* box = new QGroupBox(QString::fromUtf8(left ? "左封头" : "右封头"));
    box->setObjectName(qs(left ? kLeftHeadBox : kRightHeadBox));
    box->setFixedWidth(px(kHeadBoxWidth));
    QVBoxLayout* layout = column(box);
    for (const HeadKindInfo& info : headKinds()) {
        auto* radio = choice<MouseUpRadioButton>(radioOn(info, side), info.caption);
        radio->setChecked(info.kind == HeadKind::StandardEllipsoidal);
        layout->addWidget(radio);
        if (info.fields.empty()) {
            continue;
        }
        auto* fields = new QHBoxLayout;
        fields->setContentsMargins(px(20), 0, 0, 0);
        fields->setSpacing(px(kSpacing));
        for (const HeadField& f : info.fields) {
            fields->addWidget(label(f.letter));
            fields->addWidget(
                edit(fieldOn(f, side), FilterKind::Digits, hintOn(f, side), kHeadFieldWidth));
        }
        fields->addStretch(1);
        layout->addLayout(fields);
    }
    layout->addStretch(1);
    layout->addWidget(list(left ? kLeftHeadVolumeList : kRightHeadVolumeList, false));
    return box;
}

QWidget* Builder::shellPage(int page) {
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("TabSheet%1").arg(page + 1));
    QVBoxLayout* layout = pageColumn(w);
    using F = FilterKind;
    switch (page) {
        case 0: {
            auto* circular = choice<MouseUpRadioButton>(kCircularChoice, "图七 水平正直圆柱体");
            circular->setChecked(true);
            layout->addWidget(circular);
            layout->addLayout(row({label("D:"), edit(kDiameterField, F::Digits, "圆筒内直径，毫米"),
                                   label("L:"), edit(kLengthField, F::Digits, "圆筒长度，毫米")}));
            layout->addWidget(choice<MouseUpRadioButton>(kEllipticalChoice, "图八 水平椭圆柱体"));
            layout->addLayout(
                row({label("B:"), edit(kEllipseWidthField, F::Digits, "椭圆柱体长内直径，毫米"),
                     label("A:"), edit(kEllipseHeightField, F::Digits, "椭圆柱体短内直径，毫米"),
                     label("L:"), edit(kEllipseLengthField, F::Digits, "筒体长度，毫米")}));
            break;
        }
        case 1:
            layout->addLayout(row({label("α:"), edit(kTiltAlphaField, F::DigitsAndPoint),
                                   label("β:"), edit(kTiltBetaField, F::DigitsAndPoint),
                                   label("F:"), edit(kGaugeOffsetField, F::Digits)}));
            layout->addLayout(row({label("L:"), edit(kTiltedLengthField, F::Digits), label("B:"),
                                   edit(kTiltedWidthField, F::Digits), label("A:"),
                                   edit(kTiltedHeightField, F::DigitsAndPoint)}));
            {
                QLabel* note = label("B、A的输入值见图八，输入A=B即为正圆筒");
                note->setWordWrap(true);
                layout->addWidget(note);
            }
            layout->addLayout(row({choice<QRadioButton>(kLowEndLeftChoice, "低端在左封头"),
                                   choice<QRadioButton>(kLowEndRightChoice, "低端在右封头")}));
            break;
        case 2:
            layout->addLayout(row({label("球罐内直径："), edit(kSphereDiameterField, F::Digits)}));
            break;
        default:
            break;
    }
    layout->addStretch(1);
    return w;
}

// "插值：" with its list and "导入罐容表…", below the point count.
QHBoxLayout* Builder::calibrationImportRow() {
    namespace m = ui_messages;
    QComboBox* interpolation = list(kInterpolationList, false);
    interpolation->setToolTip(qs(m::kInterpolationTip));
    QPushButton* import = button(kImportTableButton, m::kImportButton);
    import->setToolTip(qs(m::kImportTip));
    return row({label(m::kInterpolationLabel, kInterpolationLabel), interpolation, import});
}

QWidget* Builder::calibrationPage() {
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("TabSheet4"));
    QVBoxLayout* layout = pageColumn(w);
    layout->setSpacing(px(kRowGap));
    QComboBox* counts = list(kPointCountList, false);
    counts->setMaxVisibleItems(20);
    layout->addLayout(
        row({label("标定点数：", kPointCountLabel), counts, button(kClearPointsButton, "清空")}));
    layout->addLayout(calibrationImportRow());
    auto* grid = new CalibrationGridView(2, 3);
    grid->setObjectName(qs(kGridControl));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    // The design widths and heights, not the font's minimum.
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setDefaultSectionSize(px(40));
    grid->setColumnWidth(0, px(40));
    grid->setColumnWidth(1, px(85));
    grid->setColumnWidth(2, px(93));
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(px(24));
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    grid->setWordWrap(false);
    grid->setItemDelegate(new GridCellDelegate(grid));
    GridWidgetCells(*grid).markFixedCells();
    // The row of the interpolation and the import takes the room of a grid row at the design
    // size: the grid shows its heading and a row at least, and grows with the window.
    grid->setMinimumHeight(px(50));
    layout->addWidget(grid, 1);
    return w;
}

QGroupBox* Builder::tableRequest(QWidget* documents) {
    using F = FilterKind;
    auto* box = new QGroupBox(QString::fromUtf8("油罐容积表"));
    box->setObjectName(qs(kTableRequestBox));
    QVBoxLayout* layout = column(box);
    layout->addLayout(
        row({label("液位高度从"), edit(kFirstLevelField, F::DigitsAndPoint, "液位最低点，毫米"),
             label("到"), edit(kLastLevelField, F::DigitsAndPoint, "液位最高点，毫米"),
             label("间隔"), edit(kIntervalField, F::DigitsAndPoint, "液位间距，毫米")}));
    layout->addLayout(
        row({label("Excel容积表每列"), edit(kRowsPerBlockField, F::Digits), label("条数据换列")}));
    layout->addLayout(
        row({label("罐底死量"), edit(kDeadVolumeField, F::DigitsAndPoint), label("升")}));
    layout->addLayout(row({label("附件体积"), edit(kFittingVolumeField, F::DigitsAndPoint),
                           label("升，最下端距离罐底")}));
    QHBoxLayout* last = row({edit(kFittingBottomField, F::Digits, "毫米"), label("，附件高度"),
                             edit(kFittingHeightField, F::Digits, "毫米"), label("毫米")});
    last->addWidget(documents);
    layout->addLayout(last);
    return box;
}

QGroupBox* Builder::quickCalculation(std::initializer_list<QPushButton*> links) {
    auto* box = new QGroupBox(QString::fromUtf8("快捷计算"));
    box->setObjectName(qs(kQuickBox));
    QVBoxLayout* layout = column(box);
    QLineEdit* result = edit(kQuickResultField, FilterKind::DigitsAndPoint, {}, 96);
    layout->addLayout(
        row({label("液位"), edit(kQuickLevelField, FilterKind::DigitsAndPoint, "毫米"),
             button(kQuickButton, "计算"), result, label("公斤", kKilogramsLabel),
             label("升", kLitresLabel)}));
    // The note of a result computed beyond what the tank describes, below it: one line that
    // never widens the group (a longer note is cut, whole in its tooltip).
    auto* note = new ElidedLabel;
    note->setObjectName(qs(kQuickNoteLabel));
    note->setFixedHeight(note->fontMetrics().height());
    note->setStyleSheet(QStringLiteral("color: #b00000"));
    // On the note's line, at its height: the window from the dip to standard volume and mass,
    // the output units and the tank register.
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(note, 1);
    for (QPushButton* link : links) {
        link->setFixedHeight(note->height());
        noteRow->addWidget(link);
    }
    layout->addLayout(noteRow);
    return box;
}

// Above the curve, in one row (the upper part keeps the design's height): the calculation
// method, the quick calculation from an ullage and the level of a volume or weight.
QHBoxLayout* Builder::methodBar() {
    using F = FilterKind;
    QComboBox* methods = list(kMethodList, false);
    methods->setCurrentIndex(0);  // 经典公式
    methods->setToolTip(
        qs("生成容积表、快捷计算、求液位和容积曲线所用的方法；选经典公式时，曲线下方说明它与"
           "真实几何相差最大处"));
    QLabel* level = label({}, kLevelAnswerLabel);
    level->setTextInteractionFlags(Qt::TextSelectableByMouse);
    level->setMinimumWidth(px(64));
    level->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QHBoxLayout* bar =
        row({label("计算方法"), methods, label("空高"),
             edit(kUllageField, F::DigitsAndPoint, "从参照点向下量到液面，毫米；按“计算”求液位"),
             label("参照高度"),
             edit(kReferenceHeightBeside, F::DigitsAndPoint,
                  "检尺参照点距罐底的高度，毫米；与罐容表信息中的参照高度是同一项"),
             label("装量"),
             edit(kQuantityField, F::DigitsAndPoint, "容积（升），勾选重量输入密度时为重量（公斤）",
                  72),
             label("升", kQuantityUnitLabel), button(kFindLevelButton, "求液位"), level,
             label("毫米", kLevelAnswerUnit)});
    bar->insertSpacing(6, px(12));  // before 装量
    bar->insertSpacing(2, px(12));  // before 空高
    bar->setContentsMargins(px(kSide), px(kMargin), px(kSide), 0);
    return bar;
}

// Under the curve: how far the classic formulas depart, as text that can be selected.
QLabel* comparisonLabel(Builder& b) {
    QLabel* text = b.label({}, kComparisonLabel);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setContentsMargins(b.px(kSide), 0, b.px(kSide), b.px(kRowGap));
    text->hide();
    return text;
}

}  // namespace

void TFrmMain::buildLayout() {
    Builder b(scale_);
    setWindowTitle(QStringLiteral("Quorvel"));
    setObjectName(QStringLiteral("FrmMain"));

    // Upper part of the left panel: the heads beside the shell pages and the requests.
    auto* upper = new QWidget;
    upper->setObjectName(QStringLiteral("UpperPart"));
    auto* upperLayout = new QHBoxLayout(upper);
    upperLayout->setContentsMargins(b.px(kSide), b.px(kMargin), b.px(kSide), b.px(kMargin));
    upperLayout->setSpacing(b.px(kSpacing));
    upperLayout->addWidget(b.headBox(HeadSide::Left));

    auto* middle = new QVBoxLayout;
    middle->setSpacing(b.px(kRowGap));
    pages_ = new QTabWidget;
    pages_->setObjectName(qs(kShellPages));
    // The four captions fit the column's width with the design's narrow tabs.
    pages_->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: %1px %2px; }").arg(b.px(kSpacing)).arg(b.px(7)));
    const std::array<const char*, 5> pageCaptions{"水平圆筒", "倾斜圆筒", "球罐", "罐容标定",
                                                  "立式圆筒"};
    for (int page = 0; page < 3; ++page) {
        pages_->addTab(b.shellPage(page), QString::fromUtf8(pageCaptions[page]));
    }
    pages_->addTab(b.calibrationPage(), QString::fromUtf8(pageCaptions[3]));
    // "变位识别…" on the tilted page, at the end of its first row (α, β, F), where the page has
    // room: the page keeps its height.
    auto* tiltRow = static_cast<QBoxLayout*>(pages_->widget(1)->layout()->itemAt(0)->layout());
    tiltRow->addWidget(makeTiltIdentifyDialog(*this, scale_));
    pages_->addTab(makeUprightPage(scale_), QString::fromUtf8(pageCaptions[kUprightPage]));
    middle->addWidget(pages_, 1);
    QToolButton* documents = makeTableDocumentButton(*this, scale_);
    documents->setFixedSize(
        documents->fontMetrics().horizontalAdvance(documents->text()) + b.px(14), b.px(kRowHeight));
    middle->addWidget(b.tableRequest(documents));

    QPushButton* hiddenGenerate = b.button(kHiddenGenerateButton, "生成");
    hiddenGenerate->hide();
    middle->addLayout(
        b.row({b.choice<MouseUpCheckBox>(kDefaultsSwitch, "默认"),
               b.button(kGenerateButton, "生成容积表"), b.button(kSnapshotButton, "打印"),
               b.button(kHelpButton, "帮助"), hiddenGenerate}));

    QComboBox* unit = b.list(kDensityUnitList, true);
    unit->setEditText(QString::fromUtf8("单位"));
    unit->setFixedWidth(b.px(96));
    middle->addLayout(b.row({b.choice<MouseUpCheckBox>(kWeightsSwitch, "重量输入密度"),
                             b.edit(kDensityField, FilterKind::DigitsAndPoint), unit}));
    const DepotLinks depot = makeDepotDialogs(*this, scale_);  // 单位…, 罐库…
    middle->addWidget(
        b.quickCalculation({makeOilQuantityDialog(*this, scale_), depot.units, depot.register_}));
    upperLayout->addLayout(middle, 1);
    upperLayout->addWidget(b.headBox(HeadSide::Right));

    // The upper part scrolls when the splitters make it smaller than its controls, so both
    // splitters can give the pictures more room.
    auto* upperArea = new QScrollArea;
    upperArea->setObjectName(QStringLiteral("UpperArea"));
    upperArea->setWidget(upper);
    upperArea->setWidgetResizable(true);
    upperArea->setFrameShape(QFrame::NoFrame);

    // Lower part: the picture area and the two hidden row lists.
    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    curve_ = new CapacityCurveView;
    curve_->setObjectName(QStringLiteral("CurveArea"));
    // The method row; how narrow it may become is set below, once the window's room is known.
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("MethodBar"));
    bar->setLayout(b.methodBar());
    bar->setMinimumWidth(b.px(200));
    lowerLayout->addWidget(bar);
    lowerLayout->addWidget(curve_, 1);
    lowerLayout->addWidget(comparisonLabel(b));
    for (std::string_view name : {kTableRowsList, kTableWeightsList}) {
        auto* rows = new QListWidget;
        rows->setObjectName(qs(name));
        rows->hide();
        lowerLayout->addWidget(rows);
    }

    auto* leftPanel = new QSplitter(Qt::Vertical);
    leftPanel->setObjectName(QStringLiteral("LeftPanel"));
    leftPanel->addWidget(upperArea);
    leftPanel->addWidget(lower);
    leftPanel->setStretchFactor(0, kUpperStretch);
    leftPanel->setStretchFactor(1, kLowerStretch);

    pictures_ = new QTabWidget;
    pictures_->setObjectName(qs(kPicturePages));
    QWidget* drawings = makeDrawingsPage();
    drawings->setObjectName(QStringLiteral("DrawingsPage1"));
    pictures_->addTab(drawings, QString::fromUtf8("图一至图八"));
    QWidget* tilted = makeTiltedDrawingsPage();
    tilted->setObjectName(QStringLiteral("DrawingsPageTilted"));
    pictures_->addTab(tilted, QString::fromUtf8("倾斜圆筒"));

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("MainSplitter"));
    splitter->addWidget(leftPanel);
    splitter->addWidget(pictures_);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto* status = new QStatusBar;
    status->setObjectName(qs(kStatusBar));
    status->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(splitter, 1);
    layout->addWidget(status);

    grid_ = findChild<CalibrationGridView*>(qs(kGridControl));
    pages_->setCurrentIndex(3);     // 罐容标定
    pictures_->setCurrentIndex(0);  // 图一至图八

    // The design size, within the screen's room; the panels in the design's proportions.
    QSize size(b.px(kWindowWidth), b.px(kWindowHeight));
    if (const QScreen* s = screen(); s != nullptr) {
        size = size.boundedTo(s->availableGeometry().size());
    }
    // Neither splitter may hide a control of the upper part ("计算" below the fold, the first
    // click on a scroll bar) or clip the method row, as far as the window has the room: the
    // upper part is at least as large as its controls and the method row as wide as its own.
    // Only a window too small for them (a small screen at a large scale) scrolls.
    const QSize controls = upper->minimumSizeHint();
    const int barWidth = bar->sizeHint().width();
    const int lowerLeast = bar->sizeHint().height() + curve_->minimumSizeHint().height();
    const int pictureLeast = pictures_->minimumSizeHint().width();
    if (controls.height() + lowerLeast + status->sizeHint().height() + leftPanel->handleWidth() <=
        size.height()) {
        upperArea->setMinimumHeight(controls.height());
    }
    if (std::max(controls.width(), barWidth) + pictureLeast + splitter->handleWidth() <=
        size.width()) {
        upperArea->setMinimumWidth(controls.width());
        bar->setMinimumWidth(barWidth);
    }
    resize(size);
    const int leftWidth = b.px(kLeftPanelWidth);
    splitter->setSizes({leftWidth, size.width() - leftWidth - splitter->handleWidth()});
    const int upperHeight = std::max(b.px(kUpperPartHeight), upperArea->minimumHeight());
    const int panelHeight = size.height() - status->sizeHint().height();
    leftPanel->setSizes({upperHeight, panelHeight - upperHeight - leftPanel->handleWidth()});
}

}  // namespace quorvel::ui
