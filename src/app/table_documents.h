// The capacity table as a document to issue, for both front ends: saved as a workbook under
// a name the user chooses ("另存为…"), written as a PDF, and proposed a file name from its
// tank number and date. Every stop and error is shown here, through `ui`.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/table_job.h"
#include "form/field_source.h"
#include "form/table_identity.h"
#include "ports/ui_services.h"
#include "tank/capacity_table.h"
#include "tank/method.h"

namespace quorvel::app {

inline constexpr const char* kWorkbookSuffix = "xlsx";
inline constexpr const char* kPdfSuffix = "pdf";

// Today's date in the local time zone, "2026-12-09".
std::string todayText();

// The longest name a file system takes for a file, in bytes (Linux's NAME_MAX).
inline constexpr std::size_t kLongestFileName = 255;

// The name proposed for the table's file: "罐容表_T-101_2026-12-09.xlsx" — the tank number
// when there is one, the table's date (编制日期) or else `today`; characters a file name
// cannot hold become "-". A name longer than kLongestFileName bytes is cut to fit, from the
// end of the tank number (then of the date), between characters.
std::string proposedTableName(const TableIdentity& identity, std::string_view today,
                              std::string_view suffix);

// A part of a file name: the characters file systems and dialogs refuse become "-".
std::string fileNamePart(std::string_view text);

// `text` cut to at most `bytes` bytes without parting a UTF-8 character.
std::string cutToBytes(std::string text, std::size_t bytes);

// `path` ending in "." + `suffix` (any case), appended when it does not.
std::string withSuffix(const std::string& path, std::string_view suffix);

// Asked of a table made for a document before its file is chosen: false stops the request.
using TableCheck = std::function<bool(const TableJob&)>;

// What became of a document to save: the file chosen (empty when the request stopped or the
// user cancelled) and whether it was written (when not, its box said why).
struct SavedDocument {
    std::string path;
    bool written = false;
};

// "另存为…": the table the form describes, saved as a workbook under the name the user
// chooses (proposed from the tank number and date); nothing is asked before (but `check`) and
// nothing opened after.
SavedDocument saveTableAs(FieldSource& form, UiServices& ui, std::string_view today,
                          Method method = Method::Classic, const TableCheck& check = {});

// "PDF…": the same as a PDF under the name the user chooses.
SavedDocument saveTablePdfAs(FieldSource& form, UiServices& ui, std::string_view today,
                             Method method = Method::Classic, const TableCheck& check = {});

}  // namespace quorvel::app
