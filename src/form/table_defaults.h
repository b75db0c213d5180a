// The "默认" values of the capacity table request.
#pragma once

#include "form/field_source.h"

namespace quorvel {

// Every field of kTableRequestFields (form/request_fields.h) gets its default text: Edit6 "0",
// Edit7 "9999", Edit8 "1", Edit9 "200", the corrections "0". Enabling the fields is the
// window's business.
void applyTableDefaults(FieldSource& form);

}  // namespace quorvel
