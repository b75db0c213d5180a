// The buttons of a table to issue, wired: the identity dialog's fields are the window's
// controls, "PDF…" writes and opens the document, and printing paints the pages the PDF has.
#include <filesystem>

#include <QAction>
#include <QDialog>
#include <QPrinter>

#include "app/table_job.h"
#include "output/table_paper.h"
#include "support/command_output.h"
#include "ui/table_printing.h"
#include "window_fixture.h"

namespace quorvel::ui {
namespace {

class WindowDocuments : public WindowTest {
  protected:
    // The example settings and points in the program folder, the tank page shown, the table
    // request of the example (0 to 2600 mm at 10 mm).
    TFrmMain& openExample() {
        for (const char* name : {"Config.ini", "bd.txt"}) {
            std::filesystem::copy_file(std::string(QUORVEL_EXAMPLES_DIR) + "/" + name, file(name));
        }
        TFrmMain& window = open();
        turnToPage(0);
        edit("Edit7").setText("2600");
        edit("Edit8").setText("10");
        return window;
    }
};

TEST_F(WindowDocuments, IdentityDialogHoldsTheStoredFieldsAndPdfOpensTheDocument) {
    openExample();
    auto& dialog = w<QDialog>("TableIdentityDialog");
    EXPECT_FALSE(dialog.isVisible());
    for (const char* name : {"Edit48", "Edit49", "Edit54", "Edit58"}) {
        EXPECT_EQ(w<QLineEdit>(name).window(), &dialog) << name;
    }
    w<QLineEdit>("Edit49").setText(QString::fromUtf8("T-101"));
    w<QLineEdit>("Edit54").setText(QStringLiteral("2026-12-09"));
    w<QAbstractButton>("CheckBox3").setChecked(true);

    const std::string pdf = file("chosen");
    ui_.saveAnswers = {pdf};
    w<QAction>("PdfButton").trigger();
    EXPECT_EQ(ui_.saveRequests.at(0).proposedName, "罐容表_T-101_2026-12-09.pdf");
    EXPECT_EQ(testsupport::pdfPages(pdf + ".pdf"), 3);
    ASSERT_FALSE(ui_.shown.empty());
    EXPECT_EQ(ui_.shown.back().kind, testsupport::ShownBox::Kind::Open);
    EXPECT_EQ(ui_.shown.back().text, pdf + ".pdf");

    // The identity is stored at close and comes back.
    closeWindow();
    open();
    EXPECT_EQ(text("Edit49"), "T-101");
    EXPECT_TRUE(window_->form().checked("CheckBox3"));
}

TEST_F(WindowDocuments, PrintingPaintsThePagesOfThePdf) {
    TFrmMain& window = openExample();
    std::optional<app::TableJob> table =
        app::TableJob::read(window.form(), ui_, Method::Classic, true);
    ASSERT_TRUE(table && table->walk(app::RowKeeping::Held));
    const paper::Document document = table->paperDocument();
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, table->paperTitle());
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file("printed.pdf")));
    EXPECT_EQ(printDocument(document, printer), 3);
    EXPECT_EQ(testsupport::pdfPages(file("printed.pdf")), 3);
    // A range prints those pages only.
    printer.setOutputFileName(QString::fromStdString(file("range.pdf")));
    printer.setFromTo(2, 3);
    EXPECT_EQ(printDocument(document, printer), 2);
    EXPECT_EQ(testsupport::pdfPages(file("range.pdf")), 2);
    // The printed pages carry the table's rows, the last one last.
    const std::string text =
        testsupport::commandOutput("pdftotext -raw '" + file("range.pdf") + "' -");
    const std::string& last = table->held().tableRows.back();
    EXPECT_NE(text.find("\n261 2600 " + last.substr(last.find(',') + 1) + " " +
                        table->held().weightTexts.back() + "\n"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace quorvel::ui
