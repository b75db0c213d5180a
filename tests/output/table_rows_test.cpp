// The two ways a walked table keeps its rows give every document alike: the rows spooled on
// disk read back as the held ones, text for text and number for number, and lay out the same
// PDF; the curve of the rows is the printed quantity of each.
#include "output/table_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/row_spool.h"
#include "output/table_paper.h"
#include "support/command_output.h"
#include "support/forms.h"
#include "support/temp_folder.h"
#include "tank/density.h"
#include "tank/tank_reader.h"
#include "text/number_text.h"

namespace quorvel {
namespace {

using testsupport::setTexts;
using testsupport::TempFolder;

// The form's table walked and held as the window holds it, at the form's density.
CapacityTable walked(MemoryForm& form) {
    Outcome<TankConfig> config = readTableRequest(form);
    EXPECT_TRUE(config);
    CapacityTable table;
    table.config = *config;
    tabulate(table.config, config->useDensity ? std::optional(*MiDu(form)) : std::nullopt, table);
    return table;
}

// The same rows spooled as the walk hands them over.
void spool(const CapacityTable& table, RowSpool& rows) {
    for (std::size_t i = 0; i < table.tableRows.size(); ++i) {
        rows.append(TableRow{0,
                             0,
                             table.tableRows[i],
                             table.weightTexts.empty() ? std::string_view() : table.weightTexts[i],
                             {}});
    }
}

MemoryForm flatTank() {
    MemoryForm form = testsupport::circularForm("2000", "5000");
    form.setChecked("RadioButton21", true);
    form.setChecked("RadioButton14", true);
    return form;
}

// 40,001 rows whose texts outrun the spool's memory and its read window several times; read
// in order, then from the start again (a second page layout), then a run out of order.
TEST(RowSpool, ReadsBackTheHeldRowsTextsAndNumbers) {
    MemoryForm form = flatTank();
    setTexts(form,
             {{"Edit7", "2000"}, {"Edit8", "0.05"}, {"Edit37", "0.845"}, {"ComboBox1", "g/cm^3"}});
    form.setChecked("CheckBox1", true);
    const CapacityTable table = walked(form);
    ASSERT_EQ(table.tableRows.size(), 40001u);
    const HeldRows held(table.tableRows, table.weightTexts);
    RowSpool spooled;
    spool(table, spooled);
    ASSERT_EQ(spooled.size(), held.size());
    EXPECT_EQ(spooled.weightCount(), held.weightCount());
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < held.size(); ++i) {
            const RowTexts a = held.texts(i);
            const RowTexts b = spooled.texts(i);
            ASSERT_EQ(
                std::string(a.level) + "|" + std::string(a.volume) + "|" + std::string(a.weight),
                std::string(b.level) + "|" + std::string(b.volume) + "|" + std::string(b.weight))
                << "row " << i << ", pass " << pass;
        }
    }
    for (std::size_t i : {39999u, 17u, 25000u, 0u}) {
        EXPECT_EQ(spooled.texts(i).volume, held.texts(i).volume) << i;
        RowNumbers a, b;
        held.read(i, 1, &a);
        spooled.read(i, 1, &b);
        EXPECT_EQ(a.level, b.level);
        EXPECT_EQ(a.volume, b.volume);
        EXPECT_EQ(a.weight, b.weight);
    }
}

// The PDF of a table read from the spool is the held table's, page for page.
TEST(RowSpool, LaysOutTheHeldTablesPdf) {
    MemoryForm form = flatTank();
    setTexts(form, {{"Edit7", "2000"}, {"Edit8", "0.5"}});
    CapacityTable table = walked(form);
    table.increments = true;
    table.identity.values[0] = "T-9";
    RowSpool spooled;
    spool(table, spooled);
    TempFolder folder;
    const int heldPages =
        writeTablePdf(table, HeldRows(table.tableRows, table.weightTexts), folder.file("held.pdf"));
    EXPECT_EQ(writeTablePdf(table, spooled, folder.file("spooled.pdf")), heldPages);
    EXPECT_GT(heldPages, 10);
    const auto text = [&](const char* name) {
        return testsupport::commandOutput("pdftotext -layout '" + folder.file(name) + "' -");
    };
    EXPECT_EQ(text("spooled.pdf"), text("held.pdf"));
}

TEST(RowsCurve, IsThePrintedQuantityOfEachRow) {
    MemoryForm form = flatTank();
    setTexts(form,
             {{"Edit7", "1000"}, {"Edit8", "500"}, {"Edit37", "0.8"}, {"ComboBox1", "g/cm^3"}});
    const CapacityTable litres = walked(form);
    const CapacityCurve volume =
        capacityCurve(HeldRows(litres.tableRows, litres.weightTexts), litres.config, std::nullopt);
    EXPECT_FALSE(volume.weights);
    ASSERT_EQ(volume.points.size(), 3u);
    EXPECT_EQ(volume.points[1].level, 500);
    EXPECT_EQ(volume.points[2].value, 7853.98);  // the row text, two decimals

    form.setChecked("CheckBox1", true);
    const CapacityTable kilograms = walked(form);
    const CapacityCurve weight = capacityCurve(HeldRows(kilograms.tableRows, kilograms.weightTexts),
                                               kilograms.config, 800.0);
    EXPECT_TRUE(weight.weights);
    EXPECT_EQ(weight.points[2].level, 1000);
    EXPECT_EQ(weight.points[2].value, 6283.19);

    const std::vector<std::string> none;
    const std::vector<std::string> damaged{"0,0.00", "500 2500.00"};
    EXPECT_THROW(capacityCurve(HeldRows(damaged, none), litres.config, std::nullopt),
                 ConversionError);
    const std::vector<std::string> notANumber{"x,0.00"};
    EXPECT_THROW(capacityCurve(HeldRows(notANumber, none), litres.config, std::nullopt),
                 ConversionError);
}

}  // namespace
}  // namespace quorvel
