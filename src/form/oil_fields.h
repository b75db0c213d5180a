// The inputs of the window "油量计算": a dip (a level, or an ullage), the oil's temperature, its
// density (a hydrometer reading with the test temperature, or the standard density), the product
// group and how the petroleum measurement tables are read. They are stored controls added after the
// 73 of the settings file, under names of their own dialog (OilEdit1 …), written only once they
// hold something, so a file of a program that never used them stays as it was.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "form/fields.h"

namespace quorvel {

// The 14 stored controls of the window (form/fields.h: OilEdit1 …), in key order.
std::span<const ControlInfo> oilQuantityControls();

// The entries of the product group list, in the order crude oil, products, lubricating oils
// (the tables' groups A, B and D, named as the oil library's messages name them).
const std::vector<std::string>& productGroupEntries();

}  // namespace quorvel
