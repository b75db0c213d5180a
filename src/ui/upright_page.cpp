#include "ui/upright_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/input_filters.h"
#include "ui/qt_text.h"

namespace quorvel::ui {
namespace {

// Numbers only in the cells; a deadwood band may add volume (a negative litres).
class NumberCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setValidator(new CharacterFilter(FilterKind::SignedDecimal, editor));
        return editor;
    }
};

std::string cellText(const QTableWidget& grid, int row, int col) {
    const QTableWidgetItem* item = grid.item(row, col);
    return item == nullptr ? std::string() : item->text().trimmed().toStdString();
}

bool rowEmpty(const QTableWidget& grid, int row) {
    for (int col = 0; col < grid.columnCount(); ++col) {
        if (!cellText(grid, row, col).empty()) {
            return false;
        }
    }
    return true;
}

// One empty row at the end, always: typing into it adds the next.
void keepOneEmptyRow(QTableWidget& grid) {
    if (grid.rowCount() == 0 || !rowEmpty(grid, grid.rowCount() - 1)) {
        grid.insertRow(grid.rowCount());
    }
}

QTableWidget* makeGrid(std::string_view name, std::initializer_list<const char*> headings,
                       double scale) {
    auto* grid = new QTableWidget(0, static_cast<int>(headings.size()));
    grid->setObjectName(qs(name));
    QStringList labels;
    for (const char* h : headings) {
        labels << QString::fromUtf8(h);
    }
    grid->setHorizontalHeaderLabels(labels);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setDefaultSectionSize(qRound(20 * scale));
    grid->horizontalHeader()->setFixedHeight(qRound(20 * scale));
    grid->setItemDelegate(new NumberCellDelegate(grid));
    // The page shares the shell pages' height: the grids take what is left and scroll.
    grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    grid->setMinimumHeight(qRound(40 * scale));
    keepOneEmptyRow(*grid);
    QObject::connect(grid, &QTableWidget::itemChanged, grid, [grid] { keepOneEmptyRow(*grid); });
    return grid;
}

template <typename Row>
std::vector<Row> rowsOf(const QTableWidget& grid) {
    std::vector<Row> rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        Row row;
        for (std::size_t c = 0; c < row.size(); ++c) {
            row[c] = cellText(grid, r, static_cast<int>(c));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

template <typename Row>
void show(QTableWidget& grid, const std::vector<Row>& rows) {
    // Rows set by the program are no typing: no empty row after each, no input change.
    const QSignalBlocker quiet(grid);
    grid.setRowCount(0);
    for (const Row& row : rows) {
        const int r = grid.rowCount();
        grid.insertRow(r);
        for (std::size_t c = 0; c < row.size(); ++c) {
            grid.setItem(r, static_cast<int>(c), new QTableWidgetItem(qs(row[c])));
        }
    }
    keepOneEmptyRow(grid);
}

}  // namespace

QWidget* makeUprightPage(double scale) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet5"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(qRound(3 * scale), qRound(4 * scale), qRound(3 * scale),
                               qRound(4 * scale));
    layout->setSpacing(qRound(2 * scale));
    const auto field = [scale](std::string_view name, FilterKind filter, std::string_view hint) {
        auto* e = new QLineEdit;
        e->setObjectName(qs(name));
        e->setValidator(new CharacterFilter(filter, e));
        e->setFixedSize(qRound(48 * scale), qRound(26 * scale));
        e->setToolTip(qs(hint));
        return e;
    };
    const auto line = [&layout](std::initializer_list<QWidget*> widgets) {
        auto* row = new QHBoxLayout;
        for (QWidget* w : widgets) {
            row->addWidget(w);
        }
        row->addStretch(1);
        layout->addLayout(row);
    };
    const auto label = [](const char* text) { return new QLabel(QString::fromUtf8(text)); };
    layout->setSpacing(qRound(1 * scale));
    // The two grids one above the other would leave a row each: they share the room as tabs.
    auto* grids = new QTabWidget;
    grids->setObjectName(QStringLiteral("UprightGrids"));
    grids->setDocumentMode(true);
    QTableWidget* courses = makeGrid(kCourseGrid, {"高", "内径", "外周长", "板厚"}, scale);
    courses->setToolTip(
        qs("圈板自下而上：高度和内径，或外周长和板厚（内径 = 外周长/π − 2×板厚），毫米"));
    grids->addTab(courses, qs("圈板 mm（自下而上）"));
    QTableWidget* deadwood = makeGrid(kDeadwoodGrid, {"起 mm", "止 mm", "升"}, scale);
    deadwood->setToolTip(qs("立柱、盘管等附件所占体积：正数扣除，负数增加，在起止高度间线性计入"));
    grids->addTab(deadwood, qs("死量"));
    grids->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(grids, 1);
    line({label("底量"),
          field(kBottomVolumeField, FilterKind::DigitsAndPoint, "罐底量（计量零点以下），升"),
          label("浮顶"), field(kRoofMassField, FilterKind::DigitsAndPoint, "浮顶质量，公斤"),
          label("起浮"),
          field(kRoofLevelField, FilterKind::DigitsAndPoint, "浮顶起浮的液位，毫米")});
    line({label("静压密度"),
          field(kHeadDensityField, FilterKind::DigitsAndPoint,
                "液体静压修正的密度基准，kg/m³；空着不修正"),
          label("E"),
          field(kYoungModulusField, FilterKind::DigitsAndPoint, "钢板弹性模量，GPa；空着按 206"),
          label("GPa")});
    return page;
}

UprightRows uprightRowsOf(const QTableWidget& courses, const QTableWidget& deadwood) {
    return withoutEmptyRows({rowsOf<CourseRow>(courses), rowsOf<DeadwoodRow>(deadwood)});
}

void showUprightRows(QTableWidget& courses, QTableWidget& deadwood, const UprightRows& rows) {
    show(courses, rows.courses);
    show(deadwood, rows.deadwood);
}

}  // namespace quorvel::ui
