// The table a form describes, read, walked and held as the window holds its lists
// (app/table_job.h), for the tests and fuzz harnesses that look at its rows.
#pragma once

#include <optional>

#include "app/table_job.h"

namespace quorvel::testsupport {

inline std::optional<CapacityTable> heldTable(FieldSource& form, UiServices& ui,
                                              Method method = Method::Classic) {
    std::optional<app::TableJob> job = app::TableJob::read(form, ui, method, true);
    if (!job || !job->walk(app::RowKeeping::Held)) {
        return std::nullopt;
    }
    return job->held();
}

}  // namespace quorvel::testsupport
