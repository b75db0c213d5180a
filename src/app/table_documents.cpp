#include "app/table_documents.h"

#include <algorithm>
#include <cctype>
#include <ctime>

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "app/table_operations.h"
#include "form/fields.h"
#include "output/capacity_workbook.h"
#include "output/save_choice.h"
#include "output/table_paper.h"

namespace quorvel::app {
namespace {

bool endsWithSuffix(const std::string& path, std::string_view suffix) {
    if (path.size() < suffix.size() + 1 || path[path.size() - suffix.size() - 1] != '.')
        return false;
    return std::equal(suffix.begin(), suffix.end(), path.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

// Asks for a file name for the table the form describes, proposed as above.
std::optional<std::string> askTableFile(const TableIdentity& identity, UiServices& ui,
                                        std::string_view today, const char* suffix) {
    const std::string filter = std::string("*.") + suffix;
    return askFileToWrite(
        ui, {proposedTableName(identity, today, suffix), suffix, filter},
        [suffix](const std::string& chosen) { return withSuffix(chosen, suffix); });
}

}  // namespace

std::string fileNamePart(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool refused =
            u < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        out += refused ? '-' : c;
    }
    return out;
}

std::string cutToBytes(std::string text, std::size_t bytes) {
    if (text.size() <= bytes)
        return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
    return text;
}

std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::string proposedTableName(const TableIdentity& identity, std::string_view today,
                              std::string_view suffix) {
    const std::string& typedDate = identity.value(kTableDateField);
    std::string tank = fileNamePart(identity.value(kTankNumberField));
    std::string date = fileNamePart(typedDate.empty() ? today : std::string_view(typedDate));
    const std::string_view prefix = app_messages::kTableFilePrefix;
    const auto length = [&] {
        return prefix.size() + (tank.empty() ? 0 : 1 + tank.size()) + 1 + date.size() + 1 +
               suffix.size();
    };
    // A long tank number gives way first, then a long date.
    for (std::string* part : {&tank, &date}) {
        if (length() > kLongestFileName) {
            *part = cutToBytes(std::move(*part),
                               part->size() - std::min(part->size(), length() - kLongestFileName));
        }
    }
    std::string name(prefix);
    if (!tank.empty())
        name.append("_").append(tank);
    name.append("_").append(date);
    return name.append(".").append(suffix);
}

std::string withSuffix(const std::string& path, std::string_view suffix) {
    return endsWithSuffix(path, suffix) ? path : path + "." + std::string(suffix);
}

std::optional<int> writeTablePdf(const CapacityTable& table, const std::string& path,
                                 UiServices& ui) {
    return guarded(ui, [&]() -> std::optional<int> { return quorvel::writeTablePdf(table, path); });
}

SavedDocument saveTableAs(FieldSource& form, UiServices& ui, std::string_view today, Method method,
                          const TableCheck& check) {
    const std::optional<CapacityTable> table = makeTable(form, ui, method);
    if (!table || (check && !check(*table)))
        return {};
    const std::optional<std::string> path =
        askTableFile(table->identity, ui, today, kWorkbookSuffix);
    if (!path)
        return {};
    const std::optional<bool> saved = guarded(
        ui, [&]() -> std::optional<bool> { return saveCapacityTableAs(*table, *path, ui); });
    return {*path, saved.value_or(false)};
}

SavedDocument saveTablePdfAs(FieldSource& form, UiServices& ui, std::string_view today,
                             Method method, const TableCheck& check) {
    const std::optional<CapacityTable> table = makeTable(form, ui, method);
    if (!table || (check && !check(*table)))
        return {};
    const std::optional<std::string> path = askTableFile(table->identity, ui, today, kPdfSuffix);
    if (!path)
        return {};
    return {*path, writeTablePdf(*table, *path, ui).has_value()};
}

}  // namespace quorvel::app
