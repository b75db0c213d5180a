#include "xlsx/c_numeric_locale.h"

namespace quorvel {

ScopedCNumericLocale::ScopedCNumericLocale() {
    // A copy of the thread's current locale with only the numeric category replaced.
    locale_t base = duplocale(uselocale(static_cast<locale_t>(0)));
    if (base == static_cast<locale_t>(0)) {
        return;
    }
    locale_ = newlocale(LC_NUMERIC_MASK, "C", base);
    if (locale_ == static_cast<locale_t>(0)) {
        freelocale(base);
        return;
    }
    previous_ = uselocale(locale_);
}

ScopedCNumericLocale::~ScopedCNumericLocale() {
    if (active()) {
        uselocale(previous_);
        freelocale(locale_);
    }
}

}  // namespace quorvel
