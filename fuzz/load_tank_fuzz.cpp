// readTankFile over any bytes: a read either refuses the file with TankFileError, changing
// nothing, or fills the form; a filled form is written as a tank file that reads back to the
// same form and is written again as the same bytes.
#include <array>

#include "form/controls.h"
#include "form/memory_form.h"
#include "fuzz_check.h"
#include "store/tank_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    static constexpr std::array<std::string_view, 4> kShells{"horizontal", "tilted", "spherical",
                                                             "calibrated"};
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MemoryForm form = MemoryForm::designed();
    const std::string designed = tankFileBytes(form, form.grid(), 0, kShells);
    int page = 0;
    try {
        page = readTankFile(bytes, "t.json", form, form.grid(), kShells).page;
    } catch (const TankFileError&) {
        FUZZ_CHECK(tankFileBytes(form, form.grid(), 0, kShells) == designed, "changed");
        return 0;
    }
    std::string written;
    try {
        written = tankFileBytes(form, form.grid(), page, kShells);
    } catch (const TankFileError&) {
        return 0;  // a text of the file that is no UTF-8 cannot be: the parser refuses it
    }
    MemoryForm again = MemoryForm::designed();
    readTankFile(written, "t.json", again, again.grid(), kShells);
    FUZZ_CHECK(tankFileBytes(again, again.grid(), page, kShells) == written, "round trip");
    for (const ControlInfo& c : storedControls()) {
        FUZZ_CHECK(form.text(c.name) == again.text(c.name), std::string(c.name));
        FUZZ_CHECK(form.checked(c.name) == again.checked(c.name), std::string(c.name));
    }
    return 0;
}
