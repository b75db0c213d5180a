// Numbers in a spreadsheet file are always written with a decimal point, but the library
// prints them with the C runtime, which follows the locale. While an object of this class
// lives, the calling thread prints numbers in the "C" locale; everything else of the locale
// (and every other thread) is left as it was.
#pragma once

#include <locale.h>

namespace quorvel {

class ScopedCNumericLocale {
  public:
    ScopedCNumericLocale();
    ~ScopedCNumericLocale();
    ScopedCNumericLocale(const ScopedCNumericLocale&) = delete;
    ScopedCNumericLocale& operator=(const ScopedCNumericLocale&) = delete;

    // Whether the "C" numeric locale is in force (false only when the C runtime ran out of
    // memory building it; the caller must not write numbers then).
    bool active() const { return locale_ != static_cast<locale_t>(0); }

  private:
    locale_t locale_ = static_cast<locale_t>(0);
    locale_t previous_ = static_cast<locale_t>(0);
};

}  // namespace quorvel
