// The gauging ticket of the window "油量计算": a dip through the quick calculation's core to
// Vt, then the oil's inputs to ρ20, VCF20, V20 and the mass, or the box of a refusal
// (tests/golden/oil/tickets.json); and the window's part: defaults, results shown and
// cleared, the ticket saved as a workbook.
#include "app/oil_operations.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/memory_window.h"
#include "app/window_operations.h"
#include "form/booked_fields.h"
#include "form/calibration_grid.h"
#include "form/controls.h"
#include "form/method_controls.h"
#include "form/oil_fields.h"
#include "oil/oil_messages.h"
#include "output/page_layout.h"
#include "support/forms.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "support/xlsx_reader.h"
#include "text/decimal_text.h"

namespace quorvel::app {
namespace {

using json = nlohmann::json;
using testsupport::RecordingUi;

const std::string kGolden = std::string(QUORVEL_GOLDEN_DIR) + "/oil/";

json load(const std::string& name) {
    std::ifstream in(kGolden + name);
    return json::parse(in);
}

std::string fixedTime() {
    return "2026-12-09 08:30:00";
}

void set(FieldSource& form, const std::string& name, const std::string& value) {
    const ControlInfo* info = findControl(name);
    ASSERT_NE(info, nullptr) << name;
    if (info->kind == ControlKind::CheckBox || info->kind == ControlKind::RadioButton) {
        form.setChecked(name, value == "1");
    } else {
        form.setText(name, value);
    }
}

// The window after start-up with the case's tank and the inputs of "油量计算".
MemoryForm formOf(const json& c) {
    MemoryForm form = testsupport::startedForm(c["page"].get<int>());
    const json settings = c.value("set", json::object());
    for (const auto& [name, value] : settings.items()) {
        set(form, name, value.get<std::string>());
    }
    if (c.contains("points")) {
        const int n = static_cast<int>(c["points"].size()) - 1;  // the origin row and n more
        form.setText("ComboBox2", std::to_string(n));
        choosePointCount(form.grid(), n);
        for (int row = 1; row <= n + 1; ++row) {
            const json& point = c["points"][static_cast<std::size_t>(row - 1)];
            form.grid().setCell(1, row, point[0].get<std::string>());
            form.grid().setCell(2, row, point[1].get<std::string>());
        }
    }
    form.setText(kOilLevelField, c["dip"].get<std::string>());
    if (c.contains("group")) {
        form.setItemIndex(kProductGroupList, c["group"].get<int>());
    }
    form.setText(kOilTemperatureField, c["t"].get<std::string>());
    if (c.contains("rho20")) {
        form.setChecked(kStandardDensityChoice, true);
        form.setText(kStandardDensityField, c["rho20"].get<std::string>());
    } else if (c.contains("rho_obs")) {
        form.setChecked(kObservedDensityChoice, true);
        form.setText(kObservedDensityField, c["rho_obs"].get<std::string>());
        form.setText(kTestTemperatureField, c["t_obs"].get<std::string>());
    }
    form.setChecked(c["reading"] == "formula" ? kFormulaChoice : kPrintedTableChoice, true);
    return form;
}

Method methodOf(const json& c) {
    return c.value("method", "classic") == "exact" ? Method::Exact : Method::Classic;
}

TEST(OilTicket, FromADipToTheBookedQuantityOrItsRefusal) {
    const json cases = load("tickets.json")["tickets"];
    ASSERT_GE(cases.size(), 10u);
    for (const json& c : cases) {
        SCOPED_TRACE(c["id"].get<std::string>());
        MemoryForm form = formOf(c);
        RecordingUi ui;
        const std::optional<OilTicket> ticket = oilTicket(form, ui, methodOf(c), fixedTime);
        if (c.contains("expected")) {
            ASSERT_TRUE(ticket.has_value()) << testing::PrintToString(ui.shown.size());
            const json& e = c["expected"];
            EXPECT_EQ(ticket->vt, e["vt"]);
            EXPECT_EQ(ticket->quantity.rho20, e["rho20"]);
            EXPECT_EQ(ticket->quantity.vcf20, e["vcf20"]);
            EXPECT_EQ(ticket->quantity.v20, e["v20"]);
            EXPECT_EQ(ticket->quantity.mass, e["mass"]);
            EXPECT_EQ(ticket->time, fixedTime());
            // Computed at the exact inputs, the ticket says how it may differ from the tables.
            const TicketDocument doc = ticketDocument(*ticket);
            EXPECT_EQ(doc.lines.back().label == oil::messages::kComputedMayDiffer,
                      c["reading"] == "formula");
            EXPECT_TRUE(ui.shown.empty());
        } else {
            EXPECT_FALSE(ticket.has_value());
            EXPECT_EQ(ui.messages(),
                      std::vector<std::string>(c.contains("message"), c.value("message", "")));
            EXPECT_EQ(ui.errors(),
                      std::vector<std::string>(c.contains("error"), c.value("error", "")));
        }
    }
}

// The booked quantity (tests/golden/oil/booked_tickets.json): each ticket's results by their
// command-line names in the ticket's order, and the refusals as one table, each on the flat
// tank of the first ticket (without its chain) unless it names its own.
TEST(OilTicket, TheBookedQuantityAndItsRefusals) {
    const json golden = load("booked_tickets.json");
    json base = golden["tickets"][0];
    for (const char* chain : {"OilEdit9", "OilEdit10", "OilEdit14", "OilEdit15"}) {
        base["set"].erase(chain);
    }
    auto run = [](const json& c, RecordingUi& ui) {
        MemoryForm form = formOf(c);
        if (c.contains("material")) {
            form.setItemIndex(kShellMaterialList, c["material"].get<int>());
        }
        for (const auto& [name, value] : c["set"].items()) {
            if (name == kInsulatedSwitch) {
                form.setChecked(name, value == "1");
            }
        }
        return oilTicket(form, ui, Method::Classic, fixedTime);
    };
    for (const json& c : golden["tickets"]) {
        SCOPED_TRACE(c["id"].get<std::string>());
        RecordingUi ui;
        const std::optional<OilTicket> ticket = run(c, ui);
        ASSERT_TRUE(ticket.has_value()) << ui.shown.size();
        json results = json::array();
        for (const TicketResult& r : ticketResults(*ticket)) {
            results.push_back({r.name, r.line.value});
        }
        EXPECT_EQ(results, c["expected"]);
        EXPECT_TRUE(ui.shown.empty());
    }
    for (const json& refusal : golden["refusals"]) {
        SCOPED_TRACE(refusal["id"].get<std::string>());
        json c = base;
        c.erase("set");
        c["set"] = base["set"];
        for (const auto& [name, value] : refusal.items()) {
            if (name == "set") {
                c["set"].update(value);
            } else if (name == "page") {
                c["page"] = value;
                c["set"] = refusal["set"];
            } else {
                c[name] = value;
            }
        }
        RecordingUi ui;
        EXPECT_FALSE(run(c, ui).has_value());
        EXPECT_EQ(ui.messages(), std::vector<std::string>(refusal.contains("message"),
                                                          refusal.value("message", "")));
        EXPECT_EQ(ui.errors(),
                  std::vector<std::string>(refusal.contains("error"), refusal.value("error", "")));
    }
}

// A tilted tank's ticket states how it lies, as typed.
TEST(OilTicket, ATiltedTanksTicketNamesItsTilt) {
    MemoryForm form = testsupport::startedForm(1);
    testsupport::setTexts(form, {{"Edit29", "1.5"},
                                 {"Edit30", "0"},
                                 {"Edit39", "3000"},
                                 {"Edit40", "2000"},
                                 {"Edit41", "2000"},
                                 {"Edit42", "10000"},
                                 {"OilEdit1", "1000"},
                                 {"OilEdit2", "20"},
                                 {"OilEdit5", "850.0"}});
    for (const char* on :
         {"RadioButton21", "RadioButton14", "RadioButton4", "OilRadioButton2", "OilRadioButton3"}) {
        form.setChecked(on, true);
    }
    form.setItemIndex(kProductGroupList, 1);
    RecordingUi ui;
    const std::optional<OilTicket> ticket = oilTicket(form, ui, Method::Classic, fixedTime);
    ASSERT_TRUE(ticket.has_value());
    std::vector<std::string> tilt;
    for (const DocumentLine& line : ticketDocument(*ticket).lines) {
        if (line.label == "倾斜")
            tilt.push_back(line.value);
    }
    EXPECT_EQ(tilt, std::vector<std::string>{"α 1.5°，β 0°，F 3000 mm，低端在右封头"});
}

// An upright tank of one course (D 20 m, 15 m, 12 mm plate, E 206 GPa) with a head basis of
// 850 kg/m³: the ticket's Vt and FW hold the shell widened under the oil's own head, the closed
// form π·R²·h + π·R³·ρ·g·h²/(E·t) at ρ = ρ20 × VCF20 as printed (the oil at its temperature),
// not at the basis; the ticket names the scaling. Without a basis there is nothing to scale.
TEST(OilTicket, AnUprightTanksHeadCorrectionFollowsTheOilsDensity) {
    struct Case {
        const char* basis;
        const char* rho20;
        const char* t;
        const char* dip;
        const char* water;
        const char* line;  // the scaling line, empty for none
    };
    const Case cases[] = {
        {"850", "750.0", "20", "10000", "500",
         "静压修正按油品密度 750.0 kg/m³ / 基准密度 850 kg/m³ 换算"},
        {"850", "900.0", "35", "15000", "",
         "静压修正按油品密度 889.6 kg/m³ / 基准密度 850 kg/m³ 换算"},
        {"", "900.0", "20", "15000", "", ""},
    };
    const auto litres = [](double level, double rho) {
        const long double r = 10, t = 0.012, e = 206e9, h = level / 1000;
        const long double pi = std::acos(-1.0L);
        const long double head = rho > 0 ? pi * r * r * r * rho * 9.80665L * h * h / (e * t) : 0;
        char text[32];
        std::snprintf(text, sizeof text, "%.2Lf", (pi * r * r * h + head) * 1000);
        return std::string(text);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rho20 + std::string(" at ") + c.t);
        MemoryForm form = testsupport::startedForm(4);
        form.setUprightRows({{{"15000", "20000", "", "12"}}, {}});
        testsupport::setTexts(form, {{"UprightEdit2", c.basis},
                                     {"OilEdit1", c.dip},
                                     {"OilEdit2", c.t},
                                     {"OilEdit5", c.rho20},
                                     {"OilEdit9", c.water}});
        form.setChecked("OilRadioButton2", true);
        form.setItemIndex(kProductGroupList, 1);
        RecordingUi ui;
        const std::optional<OilTicket> ticket = oilTicket(form, ui, Method::Classic, fixedTime);
        ASSERT_TRUE(ticket.has_value()) << ui.shown.size();
        const double rho = *c.line ? std::stod(ticket->headDensity) : 0;
        if (*c.line) {
            EXPECT_EQ(ticket->headDensity, formatFixed(std::stod(ticket->quantity.rho20) *
                                                           std::stod(ticket->quantity.vcf20),
                                                       1));
        }
        EXPECT_EQ(ticket->vt, litres(std::stod(c.dip), rho));
        if (*c.water) {
            ASSERT_TRUE(ticket->booked.has_value());
            EXPECT_EQ(ticket->booked->fw, litres(std::stod(c.water), rho));
        }
        std::vector<std::string> named;
        for (const DocumentLine& line : ticketDocument(*ticket).lines) {
            if (line.label.starts_with("静压修正按")) {
                named.push_back(line.label);
            }
        }
        EXPECT_EQ(named, *c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{});
    }
}

// The first ticket of the table, in the window: the choices it opens with, then its inputs.
class OilWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window_.form() = formOf(load("tickets.json")["tickets"][0]);
        for (std::string_view choice : {kObservedDensityChoice, kPrintedTableChoice}) {
            window_.setChecked(choice, false);
        }
    }

    MemoryWindow window_;
    RecordingUi ui_;
    WindowOperations ops_{window_, ui_, ProgramFiles{"/nonexistent", {}}};
    OilQuantity& oil_ = ops_.oil();
};

TEST_F(OilWindow, OpensWithTheDepotsChoicesAndTheirFields) {
    oil_.opened();
    EXPECT_TRUE(window_.checked(kObservedDensityChoice));
    EXPECT_TRUE(window_.checked(kPrintedTableChoice));
    EXPECT_TRUE(window_.enabled(kObservedDensityField));
    EXPECT_TRUE(window_.enabled(kTestTemperatureField));
    EXPECT_FALSE(window_.enabled(kStandardDensityField));
    EXPECT_FALSE(window_.enabled(kOilSaveButton));
    // A choice once made stays.
    window_.setChecked(kStandardDensityChoice, true);
    window_.setChecked(kFormulaChoice, true);
    ops_.inputChanged(kStandardDensityChoice);
    oil_.opened();
    EXPECT_TRUE(window_.checked(kStandardDensityChoice));
    EXPECT_TRUE(window_.checked(kFormulaChoice));
    EXPECT_FALSE(window_.enabled(kObservedDensityField));
    EXPECT_TRUE(window_.enabled(kStandardDensityField));
}

TEST_F(OilWindow, ResultsBelongToTheirInputs) {
    oil_.opened();
    ASSERT_TRUE(oil_.calculate());
    EXPECT_EQ(window_.label(kOilVtLabel), "24543.69");
    EXPECT_EQ(window_.label(kOilRho20Label), "718.4");
    EXPECT_EQ(window_.label(kOilVcf20Label), "0.9984");
    EXPECT_EQ(window_.label(kOilV20Label), "24504.42");
    EXPECT_EQ(window_.label(kOilMassLabel), "17577.02");
    EXPECT_TRUE(window_.enabled(kOilSaveButton));
    // The quick result is written by the program, and a change of the oil's inputs is none
    // of the quick calculation's.
    window_.setText("Edit36", "1.00");
    ops_.inputChanged("Edit36");
    EXPECT_EQ(window_.label(kOilMassLabel), "17577.02");
    ops_.inputChanged(kOilTemperatureField);
    EXPECT_EQ(window_.text("Edit36"), "1.00");
    for (std::string_view input : {kOilTemperatureField, std::string_view("Edit1"),
                                   std::string_view("Edit49"), kGridControl, kShellPages}) {
        ASSERT_TRUE(oil_.calculate());
        ops_.inputChanged(input);
        EXPECT_EQ(window_.label(kOilMassLabel), "") << input;
        EXPECT_FALSE(window_.enabled(kOilSaveButton)) << input;
        EXPECT_FALSE(oil_.ticket().has_value()) << input;
    }
    // A press that stops leaves no result behind.
    ASSERT_TRUE(oil_.calculate());
    window_.setText(kOilTemperatureField, "");
    EXPECT_FALSE(oil_.calculate());
    EXPECT_EQ(window_.label(kOilVtLabel), "");
    EXPECT_FALSE(window_.enabled(kOilSaveButton));
}

// A dip read from the top gives the ticket of the level it names, writes that level into the
// dip field and states both on the ticket; typing a level then empties the ullage.
TEST_F(OilWindow, AnUllageGivesTheTicketOfTheLevelItNames) {
    oil_.opened();
    window_.setText(kOilLevelField, "1234");
    const std::optional<OilTicket> atLevel = oilTicket(window_.form(), ui_, Method::Classic);
    ASSERT_TRUE(atLevel.has_value());
    window_.setText("Edit48", "2600.5");
    window_.setText(kOilUllageField, "1366.5");
    window_.setText(kOilLevelField, "");
    ASSERT_TRUE(oil_.calculate());
    EXPECT_EQ(window_.text(kOilLevelField), "1234");
    ASSERT_TRUE(oil_.ticket().has_value());
    const OilTicket& fromTop = *oil_.ticket();
    EXPECT_EQ(fromTop.vt, atLevel->vt);
    EXPECT_EQ(fromTop.quantity.mass, atLevel->quantity.mass);
    std::vector<std::string> dipLines;
    for (const auto& line : ticketDocument(fromTop).lines) {
        if (line.unit == "mm")
            dipLines.push_back(line.label + " " + line.value);
    }
    EXPECT_EQ(dipLines, (std::vector<std::string>{"参照高度 2600.5", "空高 1366.5", "液位 1234"}));
    // A tank opened from the register is named on its ticket, after the identity; else not.
    auto registerLines = [this] {
        std::vector<std::string> lines;
        for (const auto& line : ticketDocument(*oil_.ticket()).lines) {
            if (line.label == "罐库文件")
                lines.push_back(line.value);
        }
        return lines;
    };
    EXPECT_TRUE(registerLines().empty());
    oil_.setRegisterTank("T-101.json");
    ASSERT_TRUE(oil_.calculate());
    EXPECT_EQ(registerLines(), std::vector<std::string>{"T-101.json"});
    oil_.levelTyped();
    EXPECT_EQ(window_.text(kOilUllageField), "");
    // An ullage below the reference point is refused with the main window's message.
    window_.setText(kOilUllageField, "2700");
    EXPECT_FALSE(oil_.calculate());
    EXPECT_EQ(ui_.errors().back(), "空高 2700 毫米大于参照高度 2600.5 毫米，液位不能为负！");
}

// The dip goes through the method chosen in the main window, as the table does.
TEST_F(OilWindow, TheTicketFollowsTheMethodChosen) {
    // Spherical-cap heads, where the classic series and the true geometry part below full.
    window_.setChecked("RadioButton21", false);
    window_.setChecked("RadioButton14", false);
    window_.setChecked("RadioButton18", true);
    window_.setChecked("RadioButton11", true);
    window_.setText("Edit27", "400");
    window_.setText("Edit17", "400");
    window_.setText(kOilLevelField, "1500");
    oil_.opened();
    ASSERT_TRUE(oil_.calculate());
    const std::string classic = window_.label(kOilVtLabel);
    window_.setItemIndex(kMethodList, 1);
    ops_.inputChanged(kMethodList);
    EXPECT_EQ(window_.label(kOilVtLabel), "");
    ASSERT_TRUE(oil_.calculate());
    const std::optional<OilTicket> exact = oilTicket(window_.form(), ui_, Method::Exact, fixedTime);
    ASSERT_TRUE(exact.has_value());
    EXPECT_EQ(window_.label(kOilVtLabel), exact->vt);
    EXPECT_NE(exact->vt, classic);
}

// The saved ticket, cell by cell: row, column and text of every cell written; a number as
// "#", its value and its number format.
std::vector<std::string> cellsOf(const testsupport::ReadSheet& sheet) {
    std::vector<std::string> lines;
    for (const auto& [at, cell] : sheet.cells) {
        std::ostringstream value;
        value.precision(15);
        if (cell.isText) {
            value << cell.text;
        } else {
            value << '#' << cell.number << ' ' << cell.numberFormat;
        }
        lines.push_back(std::to_string(at.first + 1) + "," + std::to_string(at.second + 1) + "," +
                        value.str());
    }
    return lines;
}

std::vector<std::string> linesOf(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Half an em for every byte: where the texts land does not depend on the fonts installed.
class FixedMeasure : public paper::TextMeasure {
  public:
    double width(std::string_view text, const paper::TextStyle& s) const override {
        return static_cast<double>(text.size()) * s.size / 2;
    }
    double ascent(const paper::TextStyle& s) const override { return s.size * 0.8; }
    double descent(const paper::TextStyle& s) const override { return s.size * 0.2; }
};

// Every text of the document's pages: page, baseline (whole points), size, bold, text.
std::vector<std::string> pageTexts(const paper::Document& doc) {
    std::vector<std::string> out;
    paper::layOut(doc, FixedMeasure(), [&out](const paper::Page& page) {
        for (const paper::PlacedText& t : page.texts) {
            out.push_back(std::to_string(page.number) + "/" + std::to_string(page.count) + "," +
                          std::to_string(std::lround(t.baseline)) + "," +
                          std::to_string(std::lround(t.style.size)) + (t.style.bold ? "b" : "") +
                          "," + t.text);
        }
    });
    return out;
}

// The booked quantity in the window: α typed only for a material not in the list, the
// chain's results shown beside the five and cleared with them, and the ticket on paper
// listing how each number was formed (tests/golden/oil/booked_ticket_page.txt).
TEST_F(OilWindow, ShowsAndPrintsTheBookedQuantity) {
    OilQuantity oil(window_, ui_, fixedTime);
    oil.opened();
    EXPECT_FALSE(window_.enabled(kShellExpansionField));
    window_.setItemIndex(kShellMaterialList, kTypedMaterial);
    oil.inputChanged(kShellMaterialList);
    EXPECT_TRUE(window_.enabled(kShellExpansionField));
    testsupport::setTexts(window_.form(), {{"OilEdit9", "120"},
                                           {"OilEdit11", "5"},
                                           {"OilEdit12", "0.000012"},
                                           {"OilEdit14", "0.3"},
                                           {"OilEdit15", "2300"}});
    window_.setText(kOilLevelField, "2000");
    ASSERT_TRUE(oil.calculate());
    const std::vector<std::pair<std::string_view, std::string>> shown{
        {kOilVtLabel, "21049.20"},   {kOilFwLabel, "431.81"},    {kOilCtshLabel, "0.99998"},
        {kOilVgoLabel, "20616.98"},  {kOilV20Label, "20583.99"}, {kOilVnsLabel, "20522.24"},
        {kOilMassLabel, "14720.60"}, {kOilRoomLabel, "2574.64"}};
    for (const auto& [label, text] : shown) {
        EXPECT_EQ(window_.label(label), text) << label;
    }
    EXPECT_EQ(pageTexts(*oil.ticketPaper()), linesOf(kGolden + "booked_ticket_page.txt"));
    oil.inputChanged(kSedimentWaterField);
    EXPECT_EQ(window_.label(kOilFwLabel), "");
    EXPECT_EQ(window_.label(kOilRoomLabel), "");
    EXPECT_FALSE(oil.ticket().has_value());
}

TEST_F(OilWindow, SavesTheTicketAsAWorkbookOrAPdfAndOpensIt) {
    OilQuantity oil(window_, ui_, fixedTime);
    // The table identity names the tank on the ticket and its file; the hydrometer was read
    // in g/cm³, the gauging time and the product typed.
    window_.setText("Edit49", "T-101");
    window_.setText("Edit53", " JD-2026-0412 ");
    window_.setText(kGaugingTimeField, "2026-12-09 08:05");
    window_.setText(kProductNameField, "92号汽油");
    window_.setItemIndex(kOilDensityUnitList, 1);
    window_.setText(kObservedDensityField, "0.7186");
    EXPECT_EQ(oil.saveTicket(), "");  // nothing computed yet: nothing asked
    EXPECT_TRUE(ui_.saveRequests.empty());
    ASSERT_TRUE(oil.calculate());
    testsupport::TempFolder folder;
    ui_.saveAnswers = {std::nullopt, folder.file("t101"), folder.file("no/such/folder.xlsx")};
    EXPECT_EQ(oil.saveTicket(), "");  // cancelled
    ASSERT_EQ(ui_.saveRequests.size(), 1u);
    EXPECT_EQ(ui_.saveRequests[0],
              (SaveFileRequest{"计量单_T-101_20261209_083000", "xlsx", "*.xlsx"}));

    const std::string path = oil.saveTicket();
    ASSERT_EQ(path, folder.file("t101.xlsx"));
    const testsupport::ReadBook book = testsupport::readXlsx(path);
    ASSERT_EQ(book.sheets.size(), 1u);
    EXPECT_EQ(book.sheets[0].name, "计量单");
    EXPECT_EQ(cellsOf(book.sheets[0]), linesOf(kGolden + "ticket_cells.txt"));
    EXPECT_EQ(ui_.shown.back(),
              (testsupport::ShownBox{testsupport::ShownBox::Kind::Open, path, {}}));
    EXPECT_EQ(window_.label(kOilStatusLabel), "计量单已保存到 " + path);
    EXPECT_EQ(window_.status(), "计量单已保存到 " + path);

    // The same ticket on paper: one page, written as a PDF and opened.
    ui_.saveAnswers.push_front(folder.file("t101"));
    const std::string pdf = oil.saveTicketPdf();
    ASSERT_EQ(pdf, folder.file("t101.pdf"));
    EXPECT_EQ(ui_.saveRequests.back(),
              (SaveFileRequest{"计量单_T-101_20261209_083000", "pdf", "*.pdf"}));
    EXPECT_TRUE(testsupport::readBytes(pdf).starts_with("%PDF-"));
    EXPECT_EQ(window_.label(kOilStatusLabel), "计量单已保存到 " + pdf);
    EXPECT_EQ(pageTexts(*oil.ticketPaper()), linesOf(kGolden + "ticket_page.txt"));

    ui_.shown.clear();
    EXPECT_EQ(oil.saveTicket(), "");
    ASSERT_EQ(ui_.errors().size(), 1u);
    EXPECT_TRUE(ui_.errors()[0].starts_with("计量单未能保存：")) << ui_.errors()[0];
    EXPECT_NE(ui_.errors()[0].find("no/such/folder.xlsx"), std::string::npos);
    EXPECT_EQ(window_.label(kOilStatusLabel), ui_.errors()[0]);
}

}  // namespace
}  // namespace quorvel::app
