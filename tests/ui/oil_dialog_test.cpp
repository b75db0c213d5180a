// The window "油量计算" as a person uses it: opened from its button beside the quick
// calculation, typed into, computed, its ticket offered for saving, closed. What the
// operations compute is tested in app/.
#include <QDialog>
#include <QLabel>
#include <QRadioButton>

#include "window_fixture.h"

namespace quorvel::ui {
namespace {

TEST_F(WindowTest, OilQuantityOpensComputesAndOffersItsTicket) {
    open();
    flatTank();

    auto& dialog = w<QDialog>("OilQuantityDialog");
    EXPECT_TRUE(dialog.isHidden());
    EXPECT_EQ(w<QAbstractButton>("OilQuantityButton").text(), QString::fromUtf8("油量计算…"));
    click("OilQuantityButton");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("油量计算"));
    EXPECT_TRUE(w<QRadioButton>("OilRadioButton1").isChecked());
    EXPECT_TRUE(w<QRadioButton>("OilRadioButton3").isChecked());
    EXPECT_FALSE(edit("OilEdit5").isEnabled());
    for (const char* button : {"OilSaveButton", "OilPdfButton", "OilPrintButton"}) {
        EXPECT_FALSE(w(button).isEnabled()) << button;
    }

    // A temperature below zero can be typed; a density cannot be negative.
    type("OilEdit2", "-5.5");
    EXPECT_EQ(edit("OilEdit2").text(), "-5.5");
    type("OilEdit3", "-718.6");
    EXPECT_EQ(edit("OilEdit3").text(), "718.6");

    type("OilEdit1", "1000");
    w<QComboBox>("OilComboBox1").setCurrentIndex(1);
    type("OilEdit2", "21.3");
    type("OilEdit4", "19.8");
    click("OilCalculateButton");
    EXPECT_TRUE(ui_.shown.empty());
    EXPECT_EQ(w<QLabel>("OilVtLabel").text(), "7853.98");
    EXPECT_EQ(w<QLabel>("OilV20Label").text(), "7841.41");
    EXPECT_EQ(w<QLabel>("OilMassLabel").text(), "5624.64");

    // Choosing the standard density opens its field and clears the results.
    click("OilRadioButton2");
    EXPECT_TRUE(edit("OilEdit5").isEnabled());
    EXPECT_FALSE(edit("OilEdit3").isEnabled());
    EXPECT_EQ(w<QLabel>("OilMassLabel").text(), "");
    type("OilEdit5", "718.4");
    click("OilCalculateButton");
    EXPECT_EQ(w<QLabel>("OilMassLabel").text(), "5624.64");

    ui_.saveAnswers = {std::nullopt, std::nullopt};
    click("OilSaveButton");
    click("OilPdfButton");
    ASSERT_EQ(ui_.saveRequests.size(), 2u);
    EXPECT_EQ(ui_.saveRequests[1].defaultSuffix, "pdf");
    EXPECT_TRUE(w("OilPrintButton").isEnabled());
    // The dip read from the top, below the reference height (Edit48, shown again here).
    type("OilReferenceHeight", "2500");
    EXPECT_EQ(edit("Edit48").text(), "2500");
    type("OilEdit6", "1500");
    click("OilCalculateButton");
    EXPECT_EQ(edit("OilEdit1").text(), "1000");
    EXPECT_EQ(w<QLabel>("OilMassLabel").text(), "5624.64");
    type("OilEdit1", "1000");
    EXPECT_EQ(edit("OilEdit6").text(), "");
    click("OilCloseButton");
    EXPECT_TRUE(dialog.isHidden());
}

// The booked quantity's group: α opens with the typed material, and water and a warm shell
// show the chain beside the five results.
TEST_F(WindowTest, OilQuantityShowsTheBookedChain) {
    open();
    flatTank();
    click("OilQuantityButton");
    EXPECT_FALSE(edit("OilEdit12").isEnabled());
    w<QComboBox>("OilComboBox3").setCurrentIndex(3);
    EXPECT_TRUE(edit("OilEdit12").isEnabled());
    w<QComboBox>("OilComboBox3").setCurrentIndex(0);
    type("OilEdit1", "1000");
    w<QComboBox>("OilComboBox1").setCurrentIndex(1);
    type("OilEdit2", "21.3");
    click("OilRadioButton2");
    type("OilEdit5", "718.4");
    type("OilEdit9", "50");
    type("OilEdit10", "40");
    type("OilEdit14", "0.5");
    click("OilCalculateButton");
    EXPECT_TRUE(ui_.shown.empty());
    EXPECT_EQ(w<QLabel>("OilFwLabel").text(), "104.62");
    EXPECT_EQ(w<QLabel>("OilCtshLabel").text(), "1.00039");
    EXPECT_EQ(w<QLabel>("OilVnsLabel").text(), "7701.28");
    EXPECT_EQ(w<QLabel>("OilMassLabel").text(), "5524.13");
    click("OilCheckBox1");  // 保温罐 beside a typed shell temperature: refused, results cleared
    EXPECT_EQ(w<QLabel>("OilFwLabel").text(), "");
}

}  // namespace
}  // namespace quorvel::ui
