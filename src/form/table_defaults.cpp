#include "form/table_defaults.h"

#include "form/request_fields.h"

namespace quorvel {

void applyTableDefaults(FieldSource& form) {
    for (const RequestField& field : kTableRequestFields) {
        form.setText(field.name, field.defaultText);
    }
}

}  // namespace quorvel
