#include "app/table_documents.h"

#include <algorithm>
#include <cctype>
#include <ctime>

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "form/fields.h"
#include "output/save_choice.h"

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

namespace {

// The table the form describes, walked into a spool for a document and checked; nullopt when
// the request stopped.
std::optional<TableJob> documentTable(FieldSource& form, UiServices& ui, Method method,
                                      const TableCheck& check) {
    std::optional<TableJob> job = TableJob::read(form, ui, method, true);
    if (!job || !job->walk(RowKeeping::Spooled) || (check && !check(*job))) {
        return std::nullopt;
    }
    return job;
}

}  // namespace

SavedDocument saveTableAs(FieldSource& form, UiServices& ui, std::string_view today, Method method,
                          const TableCheck& check) {
    std::optional<TableJob> job = documentTable(form, ui, method, check);
    if (!job)
        return {};
    const std::optional<std::string> path =
        askTableFile(job->head().identity, ui, today, kWorkbookSuffix);
    if (!path)
        return {};
    return {*path, job->saveWorkbook(*path, {false, nullptr})};
}

SavedDocument saveTablePdfAs(FieldSource& form, UiServices& ui, std::string_view today,
                             Method method, const TableCheck& check) {
    std::optional<TableJob> job = documentTable(form, ui, method, check);
    if (!job)
        return {};
    const std::optional<std::string> path =
        askTableFile(job->head().identity, ui, today, kPdfSuffix);
    if (!path)
        return {};
    return {*path, job->writePdf(*path).has_value()};
}

}  // namespace quorvel::app
