// What quorvel-table asks of a table, made in one walk: the rows printed as they come or once
// the documents are written, the comparison with the true geometry before or after them, and
// nothing printed when a document failed.
#include "app/table_request.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "support/forms.h"
#include "support/held_table.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "support/xlsx_reader.h"

namespace quorvel::app {
namespace {

using testsupport::setTexts;

// D 2000, L 5000, standard ellipsoidal heads, 0 to 2000 mm at 100 mm, weights at 850 kg/m³.
MemoryForm tank() {
    MemoryForm form = testsupport::circularForm("2000", "5000");
    setTexts(form,
             {{"Edit7", "2000"}, {"Edit8", "100"}, {"Edit37", "850"}, {"ComboBox1", "Kg/m^3"}});
    form.setChecked("CheckBox1", true);
    return form;
}

struct Made {
    bool ok = false;
    std::string out;
    testsupport::RecordingUi ui;
};

void make(MemoryForm& form, const TableRequest& request, Made& made) {
    std::ostringstream out;
    made.ok = runTableRequest(form, made.ui, request, out);
    made.out = out.str();
}

// The rows as the window holds them, one "level,litres,kg" line each.
std::string heldCsv(MemoryForm& form) {
    testsupport::RecordingUi ui;
    const std::optional<CapacityTable> table = testsupport::heldTable(form, ui);
    std::string csv;
    for (std::size_t i = 0; table && i < table->tableRows.size(); ++i) {
        csv += table->tableRows[i] + "," + table->weightTexts[i] + "\n";
    }
    return csv;
}

// The workbook's summary cell, in which the method is named.
std::string titleOf(const std::string& path) {
    return testsupport::readXlsx(path).sheets.at(0).at(0, 0).text;
}

TEST(TableRequest, RowsPrintedAsTheyComeOrAfterTheDocuments) {
    testsupport::TempFolder folder;
    MemoryForm form = tank();
    const std::string expected = heldCsv(form);
    ASSERT_EQ(expected.substr(0, 12), "0,0.00,0.00\n");

    Made live;
    make(form, {Method::Classic, {}, {}, true, false, {}}, live);
    EXPECT_TRUE(live.ok);
    EXPECT_EQ(live.out, expected);

    Made documents;
    const std::string book = folder.file("t.xlsx");
    const std::string pdf = folder.file("t.pdf");
    make(form, {Method::Classic, book, pdf, true, false, 3}, documents);
    EXPECT_TRUE(documents.ok);
    EXPECT_TRUE(std::filesystem::exists(book) && std::filesystem::exists(pdf));
    // The rows from the spool, then the curve of three levels.
    EXPECT_EQ(documents.out.substr(0, expected.size()), expected);
    EXPECT_EQ(documents.out.substr(expected.size()), "0,0.00\n1000,7632.76\n2000,15265.52\n");

    // A workbook that cannot be written: nothing printed, nothing else written.
    Made failed;
    make(form,
         {Method::Classic, folder.file("none/t.xlsx"), folder.file("t2.pdf"), true, false, {}},
         failed);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.out, "");
    EXPECT_FALSE(std::filesystem::exists(folder.file("t2.pdf")));
}

// The comparison is the classic walk beside the true geometry, printed once the documents are
// written, whichever method the documents are by; a tank the true geometry cannot compute has
// its documents written, then stops.
TEST(TableRequest, TheComparisonFollowsTheDocuments) {
    testsupport::TempFolder folder;
    MemoryForm form = tank();
    Made alone;
    make(form, {Method::Classic, {}, {}, false, true, {}}, alone);
    ASSERT_TRUE(alone.ok);
    ASSERT_EQ(alone.out.substr(0, 26), "0,0.00,0.00,0.00,0.00,\n100");

    for (Method method : {Method::Classic, Method::Exact}) {
        Made withBook;
        const std::string book = folder.file(method == Method::Exact ? "e.xlsx" : "c.xlsx");
        make(form, {method, book, {}, false, true, {}}, withBook);
        EXPECT_TRUE(withBook.ok);
        EXPECT_EQ(withBook.out, alone.out);
        EXPECT_EQ(titleOf(book).find("计算方法：真实几何") != std::string::npos,
                  method == Method::Exact);
    }

    Made failedBook;
    make(form, {Method::Classic, folder.file("none/t.xlsx"), {}, false, true, {}}, failedBook);
    EXPECT_FALSE(failedBook.ok);
    EXPECT_EQ(failedBook.out, "");

    // A non-standard ellipsoidal head shallower than its flange is no solid.
    form.setChecked("RadioButton15", true);
    setTexts(form, {{"Edit21", "25"}, {"Edit22", "10"}});
    Made noSolid;
    const std::string book = folder.file("n.xlsx");
    make(form, {Method::Classic, book, {}, false, true, {}}, noSolid);
    EXPECT_FALSE(noSolid.ok);
    EXPECT_EQ(noSolid.out, "");
    EXPECT_TRUE(std::filesystem::exists(book));
    EXPECT_EQ(noSolid.ui.errors(),
              std::vector<std::string>{"左封头尺寸不成立，无法按真实几何计算！"});
}

TEST(TableRequest, AnUprightTankCarriesItsMillimetreAndHeadCorrectionTables) {
    // D 20 m, 15 m in one course of 12 mm plate: 314.159 L/mm; at 850 kg/m³ and 206 GPa the
    // correction at 100 mm is pi*R^3*rho*g*h^2/(E*t) = 0.11 L, at 15 m 2383.55 L.
    MemoryForm form = testsupport::startedForm(4);
    form.setUprightRows({{{"15000", "20000", "", "12"}}, {}});
    setTexts(form, {{"UprightEdit2", "850"}, {"Edit7", "15000"}, {"Edit8", "5000"}});
    testsupport::TempFolder folder;
    TableRequest request;
    request.workbook = folder.file("t.xlsx");
    request.pdf = folder.file("t.pdf");
    request.csv = true;
    Made made;
    make(form, request, made);
    ASSERT_TRUE(made.ok);
    EXPECT_EQ(made.out,
              "0,0.00,0.00\n5000,1571061.17,264.84\n10000,3142652.01,1059.35\n"
              "15000,4714772.53,2383.55\n");
    const testsupport::ReadBook book = testsupport::readXlsx(*request.workbook);
    ASSERT_EQ(book.sheets.size(), 3U);
    EXPECT_EQ(book.sheets[1].name, "圈板毫米容积表");
    EXPECT_EQ(book.sheets[1].at(0, 4).text, "L/mm");
    EXPECT_EQ(book.sheets[1].at(1, 4).number, 314.159);
    EXPECT_EQ(book.sheets[1].at(1, 4).numberFormat, "0.000");
    EXPECT_EQ(book.sheets[2].name, "静压修正表（850 kg每立方米）");
    EXPECT_EQ(book.sheets[2].at(2, 0).number, 100);
    EXPECT_EQ(book.sheets[2].at(2, 1).number, 0.11);
    EXPECT_EQ(book.sheets[2].at(151, 1).number, 2383.55);
    EXPECT_FALSE(book.sheets[2].has(152, 0));
}

}  // namespace
}  // namespace quorvel::app
