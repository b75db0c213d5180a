// The "默认" values of the capacity table request.
#pragma once

#include "tank/field_source.h"

namespace quorvel {

// Edit6 "0", Edit8 "1", Edit7 "9999", Edit9 "200" and the dead volume and fitting fields
// Edit13, Edit31, Edit32, Edit33 "0". Enabling the fields is the window's business.
void applyTableDefaults(FieldSource& form);

}  // namespace quorvel
