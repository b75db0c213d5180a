#include "ui/tank_register_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/register_operations.h"
#include "form/controls.h"
#include "form/output_units.h"
#include "ui/qt_text.h"
#include "ui/ui_messages.h"

namespace quorvel::ui {
namespace {

namespace msg = ui_messages;

QPushButton* button(const char* caption, const char* name) {
    auto* b = new QPushButton(QString::fromUtf8(caption));
    b->setObjectName(QString::fromUtf8(name));
    return b;
}

class TankRegisterDialog : public QDialog {
  public:
    TankRegisterDialog(QWidget& window, app::WindowOperations& ops, app::WindowForm& form,
                       UiServices& ui, QTabWidget& pages)
        : QDialog(&window),
          register_(ops, form, ui, ops.files().folder),
          form_(form),
          pages_(pages) {
        setObjectName(QStringLiteral("TankRegisterDialog"));
        setWindowTitle(QString::fromUtf8("罐库"));
        auto* layout = new QVBoxLayout(this);
        search_ = new QLineEdit;
        search_->setObjectName(QStringLiteral("RegisterSearch"));
        search_->setPlaceholderText(QString::fromUtf8(msg::kRegisterSearch));
        layout->addWidget(search_);
        table_ = new QTableWidget(0, static_cast<int>(msg::kRegisterColumns.size()));
        table_->setObjectName(QStringLiteral("RegisterTable"));
        QStringList headings;
        for (const char* h : msg::kRegisterColumns) {
            headings << QString::fromUtf8(h);
        }
        table_->setHorizontalHeaderLabels(headings);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->horizontalHeader()->setStretchLastSection(true);
        table_->verticalHeader()->hide();
        layout->addWidget(table_, 1);
        auto* buttons = new QHBoxLayout;
        QPushButton* open = button(msg::kRegisterOpen, "RegisterOpen");
        QPushButton* save = button(msg::kRegisterSave, "RegisterSave");
        QPushButton* saveAs = button(msg::kRegisterSaveAs, "RegisterSaveAs");
        QPushButton* duplicate = button(msg::kRegisterDuplicate, "RegisterDuplicate");
        QPushButton* remove = button(msg::kRegisterDelete, "RegisterDelete");
        QPushButton* restore = button(msg::kRegisterRestore, "RegisterRestore");
        QPushButton* batch = button(msg::kRegisterBatch, "RegisterBatch");
        pdf_ = new QCheckBox(QString::fromUtf8(msg::kRegisterBatchPdf));
        QPushButton* close = button(msg::kCloseButton, "RegisterClose");
        for (QWidget* w : {static_cast<QWidget*>(open), static_cast<QWidget*>(save),
                           static_cast<QWidget*>(saveAs), static_cast<QWidget*>(duplicate),
                           static_cast<QWidget*>(remove), static_cast<QWidget*>(restore),
                           static_cast<QWidget*>(batch), static_cast<QWidget*>(pdf_)}) {
            buttons->addWidget(w);
        }
        buttons->addStretch(1);
        buttons->addWidget(close);
        layout->addLayout(buttons);
        resize(760, 420);

        connect(search_, &QLineEdit::textChanged, this, [this] { refresh(); });
        connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { openSelected(); });
        connect(open, &QPushButton::clicked, this, [this] { openSelected(); });
        connect(save, &QPushButton::clicked, this, [this] {
            register_.save(pages_.currentIndex());
            refresh();
        });
        connect(saveAs, &QPushButton::clicked, this, [this] {
            if (auto number = askNumber(form_.text("Edit49"))) {
                register_.saveAs(pages_.currentIndex(), *number);
                refresh();
            }
        });
        connect(duplicate, &QPushButton::clicked, this, [this] {
            const std::vector<std::string> files = selected();
            if (files.size() == 1) {
                if (auto number = askNumber({})) {
                    register_.duplicate(files.front(), *number);
                    refresh();
                }
            }
        });
        connect(remove, &QPushButton::clicked, this, [this] {
            for (const std::string& file : selected()) {
                register_.remove(file);
            }
            refresh();
        });
        connect(restore, &QPushButton::clicked, this, [this] { restoreOne(); });
        connect(batch, &QPushButton::clicked, this, [this] { makeTables(); });
        connect(close, &QPushButton::clicked, this, &QDialog::close);
    }

    void refresh() {
        entries_ = register_.list(search_->text().toStdString());
        table_->setRowCount(static_cast<int>(entries_.size()));
        for (int r = 0; r < table_->rowCount(); ++r) {
            const app::RegisterEntry& e = entries_[static_cast<std::size_t>(r)];
            const std::array<std::string, 6> cells{e.fault.empty() ? e.tankNumber : e.file,
                                                   e.fault.empty() ? e.owner : e.fault,
                                                   e.shape,
                                                   e.totalCapacity,
                                                   e.method,
                                                   e.modified};
            for (int c = 0; c < 6; ++c) {
                auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
                if (!e.fault.empty()) {
                    item->setForeground(QColor(0xb0, 0, 0));
                }
                table_->setItem(r, c, item);
            }
        }
        table_->resizeColumnsToContents();
    }

  private:
    std::vector<std::string> selected() const {
        std::vector<std::string> files;
        for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
            files.push_back(entries_[static_cast<std::size_t>(index.row())].file);
        }
        return files;
    }

    std::optional<std::string> askNumber(const std::string& start) {
        bool ok = false;
        const QString number =
            QInputDialog::getText(this, windowTitle(), QString::fromUtf8(msg::kRegisterNewNumber),
                                  QLineEdit::Normal, QString::fromStdString(start), &ok);
        return ok ? std::optional(number.toStdString()) : std::nullopt;
    }

    void openSelected() {
        const std::vector<std::string> files = selected();
        if (files.size() != 1) {
            return;
        }
        if (const std::optional<int> page = register_.open(files.front(), pages_.currentIndex())) {
            pages_.setCurrentIndex(*page);
        }
    }

    void restoreOne() {
        const std::vector<std::string> deleted = register_.tanks().deleted();
        if (deleted.empty()) {
            QMessageBox::information(this, windowTitle(),
                                     QString::fromUtf8(msg::kRegisterNothingDeleted));
            return;
        }
        QStringList names;
        for (const std::string& name : deleted) {
            names << QString::fromStdString(name);
        }
        bool ok = false;
        const QString name =
            QInputDialog::getItem(this, windowTitle(), QString::fromUtf8(msg::kRegisterPickDeleted),
                                  names, 0, false, &ok);
        if (ok) {
            register_.restore(name.toStdString());
            refresh();
        }
    }

    void makeTables() {
        const std::vector<std::string> files = selected();
        if (files.empty()) {
            return;
        }
        const QString folder =
            QFileDialog::getExistingDirectory(this, QString::fromUtf8(msg::kRegisterOutFolder));
        if (folder.isEmpty()) {
            return;
        }
        app::BatchRequest request;
        for (const std::string& file : files) {
            request.tankFiles.push_back(register_.tanks().pathOf(file));
        }
        request.outDir = folder.toStdString();
        request.pdf = pdf_->isChecked();
        QProgressDialog progress(this);
        progress.setObjectName(QStringLiteral("RegisterBatchProgress"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setCancelButtonText(QString::fromUtf8(msg::kRegisterBatchCancel));
        progress.setRange(0, static_cast<int>(files.size()));
        progress.setMinimumDuration(0);
        const app::BatchResult result = app::makeBatchTables(
            request, [&](std::size_t i, std::size_t total, const std::string& file) {
                progress.setValue(static_cast<int>(i));
                progress.setLabelText(QString::fromUtf8(msg::kRegisterBatchRunning)
                                          .arg(i + 1)
                                          .arg(total)
                                          .arg(QString::fromStdString(file)));
                QCoreApplication::processEvents();
                return !progress.wasCanceled();
            });
        progress.setValue(static_cast<int>(files.size()));
        std::string text =
            msg::registerBatchDone(result.made.size(), result.refused.size(), result.cancelled);
        for (const app::BatchRefusal& refusal : result.refused) {
            text += "\n" + refusal.tankFile + "：" + refusal.why;
        }
        QMessageBox::information(this, windowTitle(), QString::fromStdString(text));
    }

    app::RegisterOperations register_;
    app::WindowForm& form_;
    QTabWidget& pages_;
    QLineEdit* search_ = nullptr;
    QTableWidget* table_ = nullptr;
    QCheckBox* pdf_ = nullptr;
    std::vector<app::RegisterEntry> entries_;
};

QComboBox* unitList(std::string_view name, double scale) {
    auto* box = new QComboBox;
    box->setObjectName(qs(name));
    for (const std::string& entry : listEntries(name)) {
        box->addItem(QString::fromStdString(entry));
    }
    box->setCurrentIndex(0);
    box->setToolTip(QString::fromUtf8(msg::kUnitsTip));
    box->setFixedWidth(qRound(64 * scale));
    return box;
}

}  // namespace

// A flat button that fits a line of text, like the link to 油量计算.
static QPushButton* link(const char* caption, const char* name, const char* tip, double scale) {
    auto* b = new QPushButton(QString::fromUtf8(caption));
    b->setObjectName(QString::fromUtf8(name));
    b->setToolTip(QString::fromUtf8(tip));
    b->setFlat(true);
    b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px %1px; color: #0040a0; }"
                                    "QPushButton:hover { text-decoration: underline; }")
                         .arg(qRound(4 * scale)));
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + qRound(10 * scale));
    return b;
}

DepotLinks makeDepotDialogs(QWidget& window, double scale) {
    auto* units = new QDialog(&window);
    units->setObjectName(QStringLiteral("UnitsDialog"));
    units->setWindowTitle(QString::fromUtf8(msg::kUnitsLabel));
    auto* layout = new QVBoxLayout(units);
    auto* note = new QLabel(QString::fromUtf8(msg::kUnitsTip));
    layout->addWidget(note);
    auto* row = new QHBoxLayout;
    const std::array<const char*, 3> captions{"长度", "容积", "重量"};
    int i = 0;
    for (std::string_view list : {kLengthUnitList, kVolumeUnitList, kMassUnitList}) {
        row->addWidget(new QLabel(QString::fromUtf8(captions[static_cast<std::size_t>(i++)])));
        row->addWidget(unitList(list, scale));
    }
    row->addStretch(1);
    layout->addLayout(row);
    auto* close = new QPushButton(QString::fromUtf8(msg::kCloseButton));
    QObject::connect(close, &QPushButton::clicked, units, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    units->hide();
    QPushButton* openUnits = link(msg::kUnitsButton, "UnitsButton", msg::kUnitsTip, scale);
    QObject::connect(openUnits, &QPushButton::clicked, units, [units] {
        units->show();
        units->raise();
        units->activateWindow();
    });
    return {openUnits, link(msg::kRegisterButton, "RegisterButton", msg::kRegisterTip, scale)};
}

void wireTankRegister(QWidget& window, app::WindowOperations& ops, app::WindowForm& form,
                      UiServices& ui, QTabWidget& pages) {
    auto* dialog = new TankRegisterDialog(window, ops, form, ui, pages);
    dialog->hide();
    QObject::connect(window.findChild<QPushButton*>(QStringLiteral("RegisterButton")),
                     &QPushButton::clicked, dialog, [dialog] {
                         dialog->refresh();
                         dialog->show();
                         dialog->raise();
                         dialog->activateWindow();
                     });
}

}  // namespace quorvel::ui
