// The capacity table workbook: the summary is shown for confirmation, then the table rows are
// laid out in side-by-side column blocks under a title on the sheet "罐容表", saved and opened.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui_services.h"
#include "tank/tank_config.h"

namespace quorvel {

struct CapacityWorkbookInput {
    const std::vector<std::string>& tableRows;    // "level,volume", in table order
    const std::vector<std::string>& weightTexts;  // one per row when useDensity
    bool useDensity;
    const std::string& parameterSummary;  // lines separated by CR LF
    ShellKind shellKind;
    const std::string& rowsPerColumn;  // the block size as typed
};

// Told now and then how many table rows of all have been laid out, so a window can show
// progress and keep painting during a long write.
using WorkbookProgress = std::function<void(std::size_t done, std::size_t total)>;

// The two footer lines of the title.
inline constexpr const char* kTitleFooterGenerator = "本罐容表由 Quorvel 生成。";
inline constexpr const char* kTitleFooterContact =
    "如有疑问，请查阅 Quorvel 帮助文件（help.chm）或访问 Quorvel 项目主页。";

inline constexpr const char* kSheetName = "罐容表";
inline constexpr const char* kPromptCaption = "系统提示";
inline constexpr const char* kErrorCaption = "错误";
inline constexpr const char* kSaveFailedText = "关闭生成的Excel罐容表再试一次！";

// The summary the prompt and the title start with: "罐容标定" for a calibrated tank.
std::string workbookSummary(const CapacityWorkbookInput& input);
std::string workbookPrompt(const std::string& summary);
std::string workbookTitle(const std::string& summary);

// Asks, writes `path` and opens it. Returns whether the workbook was saved. Every outcome the
// user must know of is shown through `ui`: a table that does not fit on a sheet, a failure of
// the library while building (standard error box), a failed save. The box of a failed save
// keeps its fixed text; when `saveFailure` is given it receives the reason (the path and the
// system's cause), for a caller that can show more than the box. `progress` hears of the rows
// written, for a window that shows a long save.
bool SaveFileToExcel3(const CapacityWorkbookInput& input, const std::string& path, UiServices& ui,
                      std::string* saveFailure = nullptr, const WorkbookProgress& progress = {});

}  // namespace quorvel
