// "变位识别…" as a person uses it: opened from the tilted page, a log pasted, the unknowns
// chosen, 识别 showing the figures and the residuals, 应用 writing α and β into the page.
// What the identification computes is tested in identify/ and app/.
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>

#include "ui/residual_plot.h"
#include "window_fixture.h"

namespace quorvel::ui {
namespace {

TEST_F(WindowTest, TiltIdentificationFitsAPastedLogAndAppliesIt) {
    open();
    turnToPage(1);
    click("RadioButton7");  // both heads standard ellipsoidal
    click("RadioButton22");
    for (const auto& [name, value] : {std::pair{"Edit39", "3000"},
                                      {"Edit40", "2000"},
                                      {"Edit41", "2000"},
                                      {"Edit42", "10000"}}) {
        type(name, value);
    }
    auto& dialog = w<QDialog>("TiltIdentifyDialog");
    EXPECT_TRUE(dialog.isHidden());
    EXPECT_EQ(w<QAbstractButton>("TiltIdentifyButton").text(), QString::fromUtf8("变位识别…"));
    click("TiltIdentifyButton");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_FALSE(w("TiltIdentifyApplyButton").isEnabled());

    QFile log(QString::fromUtf8(QUORVEL_GOLDEN_DIR) + "/cli/identify/outflow_40.csv");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    w<QPlainTextEdit>("TiltLogText").setPlainText(QString::fromUtf8(log.readAll()));
    w<QCheckBox>("TiltFitOffset").setChecked(true);
    click("TiltIdentifyRunButton");
    ASSERT_TRUE(ui_.shown.empty()) << ui_.shown.front().text;
    EXPECT_EQ(label("TiltAlphaResult"), "2.0031° ± 0.0057°");
    EXPECT_EQ(label("TiltBetaResult"), "3.9621° ± 0.1099°");
    EXPECT_EQ(label("TiltOffsetResult"), "19.80 mm ± 0.23 mm");
    EXPECT_EQ(label("TiltRmsResult"), "1.221 L");
    EXPECT_EQ(label("TiltRowsResult"), "39");
    EXPECT_EQ(label("TiltOutliersResult"), "无");
    EXPECT_EQ(w<ResidualPlot>("TiltResidualPlot").residuals().size(), 39u);

    click("TiltIdentifyApplyButton");
    EXPECT_EQ(text("Edit29"), "2.0031");
    EXPECT_EQ(text("Edit30"), "3.9621");
    EXPECT_TRUE(
        edit("IdentifyEdit1").text().startsWith(QString::fromUtf8("α 2.0031° ± 0.0057°，")));
    EXPECT_FALSE(w("TiltIdentifyApplyButton").isEnabled());

    // Another kind of log is another question: the figures shown go.
    click("TiltAbsoluteChoice");
    EXPECT_EQ(label("TiltAlphaResult"), "");
    EXPECT_TRUE(w<ResidualPlot>("TiltResidualPlot").residuals().empty());
}

}  // namespace
}  // namespace quorvel::ui
