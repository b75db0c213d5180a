#include <gtest/gtest.h>

#include <string>

#include "support/forms.h"
#include "tank/tank_reader.h"

namespace quorvel {
namespace {

using testsupport::circularForm;
using testsupport::setTexts;
using testsupport::startedForm;

const std::string kFormula = "液位高度对应容积=中间筒体容积加上左封头容积加上右封头容积";

std::string summaryOf(MemoryForm& form) {
    auto config = buildTankConfig(form);
    EXPECT_TRUE(config) << (config ? "" : config.stop().text);
    return config ? config->parameterSummary : std::string();
}

TEST(ParameterSummary, EveryShellKind) {
    MemoryForm circular = circularForm("2000", "5000");
    EXPECT_EQ(summaryOf(circular),
              "计算参数如下：\r\n"
              "中间筒体：水平正直圆柱体，内径：2000 mm，筒体长度：5000 mm\r\n"
              "左封头：标准椭圆封头\r\n"
              "右封头：标准椭圆封头\r\n" +
                  kFormula);

    MemoryForm elliptical = startedForm(0);
    elliptical.setChecked("RadioButton2", true);
    setTexts(elliptical, {{"Edit3", "2400"}, {"Edit4", "1800.5"}, {"Edit5", "6000"}});
    EXPECT_EQ(summaryOf(elliptical),
              "计算参数如下：\r\n"
              "中间筒体：水平椭圆柱体，长内径：2400 mm，短内径：1800.5 mm，筒体长度：6000 mm\r\n"
              "左封头：标准椭圆封头\r\n"
              "右封头：标准椭圆封头\r\n" +
                  kFormula);

    MemoryForm tilted = startedForm(1);
    setTexts(tilted, {{"Edit29", "1.5"},
                      {"Edit30", "2"},
                      {"Edit39", "300"},
                      {"Edit40", "2000"},
                      {"Edit41", "1900"},
                      {"Edit42", "8000"}});
    EXPECT_EQ(summaryOf(tilted),
              "计算参数如下：\r\n"
              "中间筒体：倾斜圆筒体，长内径：2000 mm，短内径：1900 mm，筒体长度：8000 mm\r\n"
              "左封头：标准椭圆封头\r\n"
              "右封头：标准椭圆封头\r\n" +
                  kFormula);

    MemoryForm sphere = startedForm(2);
    sphere.setText("Edit34", "3000");
    sphere.setItemIndex("ComboBox4", 1);
    EXPECT_EQ(summaryOf(sphere),
              "计算参数如下：\r\n"
              "球罐，内径：3000 mm\r\n"
              "左封头：标准椭圆封头\r\n"
              "右封头：标准椭圆封头\r\n"
              "液位高度对应容积=中间筒体容积加上左封头容积减去右封头容积");

    MemoryForm calibrated = startedForm(3);
    calibrated.setItemIndex("ComboBox2", 0);
    calibrated.grid().setRowCount(4);
    for (int row = 1; row <= 3; ++row) {
        calibrated.grid().setCell(1, row, std::to_string(row));
        calibrated.grid().setCell(2, row, std::to_string(row));
    }
    calibrated.setChecked("CheckBox1", true);
    setTexts(calibrated, {{"Edit37", "0.85"}, {"ComboBox1", "g/cm^3"}});
    EXPECT_EQ(summaryOf(calibrated),
              "计算参数如下：\r\n"
              "左封头：标准椭圆封头\r\n"
              "右封头：标准椭圆封头\r\n" +
                  kFormula +
                  "\r\n"
                  "液体密度：0.85 g/cm^3");
}

TEST(ParameterSummary, EveryHeadKindOnBothSides) {
    struct Case {
        const char* leftRadio;
        const char* rightRadio;
        std::vector<std::pair<std::string, std::string>> texts;
        std::string left;
        std::string right;
    };
    const Case cases[] = {
        {"RadioButton7", "RadioButton22", {}, "左封头：标准椭圆封头", "右封头：标准椭圆封头"},
        {"RadioButton15",
         "RadioButton8",
         {{"Edit21", "25"}, {"Edit22", "525"}, {"Edit10", "30"}, {"Edit11", "530"}},
         "左封头：非标椭圆封头，直边高度：25 mm，总深度：525 mm",
         "右封头：非标椭圆封头，直边高度：30 mm，总深度：530 mm"},
        {"RadioButton16",
         "RadioButton9",
         {{"Edit23", "10"}, {"Edit24", "600"}, {"Edit12", "11"}, {"Edit14", "601"}},
         "左封头：圆锥封头，直边高度：10 mm，总高度：600 mm",
         "右封头：圆锥封头，直边高度：11 mm，总高度：601 mm"},
        {"RadioButton17",
         "RadioButton10",
         {{"Edit25", "20"},
          {"Edit26", "520"},
          {"Edit28", "800"},
          {"Edit15", "21"},
          {"Edit16", "521"},
          {"Edit18", "801"}},
         "左封头：圆台封头，直边高度：20 mm，总深度：520 mm，小端直径：800 mm",
         "右封头：圆台封头，直边高度：21 mm，总深度：521 mm，小端直径：801 mm"},
        {"RadioButton18",
         "RadioButton11",
         {{"Edit27", "300"}, {"Edit17", "301"}},
         "左封头：球缺封头，深度：300 mm",
         "右封头：球缺封头，深度：301 mm"},
        {"RadioButton19", "RadioButton12", {}, "左封头：标准碟形封头", "右封头：标准碟形封头"},
        {"RadioButton5",
         "RadioButton6",
         {{"Edit38", "40"},
          {"Edit43", "440"},
          {"Edit44", "2000"},
          {"Edit45", "41"},
          {"Edit46", "441"},
          {"Edit47", "2001"}},
         "左封头：非标碟形封头，直边高度：40 mm，总深度：440 mm，球面半径：2000 mm",
         "右封头：非标碟形封头，直边高度：41 mm，总深度：441 mm，球面半径：2001 mm"},
        {"RadioButton20", "RadioButton13", {}, "左封头：半球形封头", "右封头：半球形封头"},
        {"RadioButton21", "RadioButton14", {}, "左封头：平板封头", "右封头：平板封头"},
    };
    for (const auto& c : cases) {
        MemoryForm form = circularForm("2000", "5000");
        form.setChecked(c.leftRadio, true);
        form.setChecked(c.rightRadio, true);
        setTexts(form, c.texts);
        form.setItemIndex("ComboBox3", 1);
        EXPECT_EQ(summaryOf(form),
                  "计算参数如下：\r\n"
                  "中间筒体：水平正直圆柱体，内径：2000 mm，筒体长度：5000 mm\r\n" +
                      c.left + "\r\n" + c.right +
                      "\r\n液位高度对应容积=中间筒体容积减去左封头容积加上右封头容积")
            << c.leftRadio;
    }
}

TEST(ParameterSummary, TextsExactlyAsTyped) {
    MemoryForm form = circularForm("2000.0", "05000");
    form.setChecked("CheckBox1", true);
    setTexts(form, {{"Edit37", "850."}});  // unit still "单位": the summary shows it as typed
    EXPECT_EQ(summaryOf(form),
              "计算参数如下：\r\n"
              "中间筒体：水平正直圆柱体，内径：2000.0 mm，筒体长度：05000 mm\r\n"
              "左封头：标准椭圆封头\r\n"
              "右封头：标准椭圆封头\r\n" +
                  kFormula + "\r\n液体密度：850. 单位");
}

}  // namespace
}  // namespace quorvel
