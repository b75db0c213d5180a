#include "tank/table_defaults.h"

namespace quorvel {

void applyTableDefaults(FieldSource& form) {
    form.setText("Edit6", "0");
    form.setText("Edit8", "1");
    form.setText("Edit7", "9999");
    form.setText("Edit9", "200");
    form.setText("Edit13", "0");
    form.setText("Edit31", "0");
    form.setText("Edit32", "0");
    form.setText("Edit33", "0");
}

}  // namespace quorvel
