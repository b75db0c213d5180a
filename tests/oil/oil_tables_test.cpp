// The oil tables against the values the petroleum measurement tables and worked examples
// print (tests/golden/oil/cases.json, each value with its source), then the depot quantity
// and the messages for inputs outside the tables (tests/golden/oil/depot_and_limits.json).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "oil/oil.h"

namespace quorvel::oil {
namespace {

using nlohmann::json;

json golden(const std::string& name) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/oil/" + name);
    EXPECT_TRUE(in) << name;
    return json::parse(in);
}

Group groupOf(const std::string& letter) {
    return letter == "A"   ? Group::CrudeOil
           : letter == "B" ? Group::Products
                           : Group::LubricatingOils;
}

double number(const json& object, const char* name) {
    return std::stod(object.at(name).get<std::string>());
}

// What a case's table gives for its inputs: tables 59/60 as printed (read by the GB/T 1885
// rules or computed at the exact inputs), the others unrounded.
double evaluate(const json& c, Reading reading) {
    const std::string table = c.at("table");
    const Group g = groupOf(table.substr(table.size() - 1));
    const std::string kind = table.substr(0, table.size() - 1);
    const json& in = c.at("inputs");
    if (kind == "53") {
        return rho15FromObserved(g, number(in, "rho_obs"), number(in, "t"));
    } else if (kind == "54") {
        return vcf15(g, number(in, "rho15"), number(in, "t"));
    } else if (kind == "59") {
        return printedRho20(g, number(in, "rho_obs"), number(in, "t"), reading);
    } else if (kind == "60") {
        return printedVcf20(g, number(in, "rho20"), number(in, "t"), reading);
    } else if (kind == "5") {
        return api60FromObserved(g, number(in, "api_obs"), number(in, "t_f"));
    }
    EXPECT_EQ(kind, "6");
    return vcf60(g, number(in, "api60"), number(in, "t_f"));
}

Reading readingOf(const json& c) {
    return c.value("lookup", false) ? Reading::PrintedTable : Reading::Exact;
}

std::string tableNumber(const json& c) {
    const std::string table = c.at("table");
    return table.substr(0, table.size() - 1);
}

// Printed values exactly at their printed decimals; a 20 °C table entry, on the tables' grid,
// reads the same both ways. The third-party spreadsheet's values within one unit of their
// last place, the spread the sources' differing intermediate rounding allows.
TEST(OilTables, ReproducePublishedValues) {
    const json cases = golden("cases.json");
    std::map<std::string, int> reproduced;
    for (const std::string kind : {"printed", "calculator"}) {
        for (const json& c : cases.at(kind)) {
            const std::string id = c.at("id");
            const int decimals = c.at("decimals");
            const std::string expected = c.at("printed");
            const double value = evaluate(c, readingOf(c));
            bool ok = false;
            if (kind == "printed") {
                ok = formatFixed(value, decimals) == expected;
                EXPECT_EQ(formatFixed(value, decimals), expected) << id;
                if (c.at("kind") == "table_entry" &&
                    (tableNumber(c) == "59" || tableNumber(c) == "60")) {
                    const std::string read =
                        formatFixed(evaluate(c, Reading::PrintedTable), decimals);
                    EXPECT_EQ(read, expected) << id << " read from the printed table";
                    ok = ok && read == expected;
                }
            } else {
                ok = std::fabs(value - std::stod(expected)) <= 1.0001 * std::pow(10.0, -decimals);
                EXPECT_TRUE(ok) << id << ": " << value << " against " << expected;
            }
            if (c.contains("dens_step")) {
                EXPECT_EQ(number(c, "dens_step"),
                          tableNumber(c) == "59" ? kTable59ColumnStep : kTable60ColumnStep)
                    << id;
            }
            reproduced[kind + " " + c.at("table").get<std::string>()] += ok ? 1 : 0;
        }
    }
    for (const auto& [table, count] : reproduced) {
        std::cout << "reproduced " << table << ": " << count << '\n';
    }
}

// A tank's quantity from the printed ρ20 and VCF20: the texts of the delivery note, or the
// message for a volume the library refuses.
TEST(OilTables, DepotQuantity) {
    const json cases = golden("depot_and_limits.json");
    for (const json& c : cases.at("depot")) {
        const std::string id = c.at("id");
        const Group g = groupOf(c.at("group"));
        const Reading reading = c.at("reading") == "table" ? Reading::PrintedTable : Reading::Exact;
        try {
            const DepotQuantity q =
                c.contains("rho20")
                    ? depotQuantity(g, number(c, "vt"), number(c, "t"), number(c, "rho20"), reading)
                    : depotQuantityFromObserved(g, number(c, "vt"), number(c, "t"),
                                                number(c, "rho_obs"), number(c, "t_obs"), reading);
            const DepotQuantityText text = toText(q);
            const json& e = c.at("expected");
            EXPECT_EQ(text.rho20, e.at("rho20")) << id;
            EXPECT_EQ(text.vcf20, e.at("vcf20")) << id;
            EXPECT_EQ(text.v20, e.at("v20")) << id;
            EXPECT_EQ(text.mass, e.at("mass")) << id;
        } catch (const RangeError& error) {
            EXPECT_EQ(error.what(), c.value("message", std::string("no error"))) << id;
        }
    }
}

// Inputs outside the tables give the user's message and no number, both ways of reading.
TEST(OilTables, OutOfRangeMessages) {
    const json cases = golden("depot_and_limits.json");
    for (const json& c : cases.at("out_of_range")) {
        const std::string expected = c.at("message");
        try {
            const double value = evaluate(c, readingOf(c));
            ADD_FAILURE() << expected << ": gave " << value;
        } catch (const RangeError& error) {
            EXPECT_EQ(error.what(), expected);
        }
    }
}

}  // namespace
}  // namespace quorvel::oil
