// LoadSettings over any bytes: a load either fails with FileError or fills the form; a loaded
// form saves over its file (every value it loaded can be stored there, if only as the bytes
// it was read from), and loading that file gives every edit and box as it was — a blank edit
// of the first 73 as "0", one added since (written only once set) as empty.
#include "files/atomic_file.h"
#include "form/controls.h"
#include "form/memory_form.h"
#include "fuzz_check.h"
#include "store/settings_file.h"
#include "text/blank.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    static const std::string input = fuzz::scratchFile("Config.ini");
    fuzz::writeBytes(input, std::string_view(reinterpret_cast<const char*>(data), size));

    MemoryForm form;
    try {
        LoadSettings(form, input);
    } catch (const FileError&) {
        return 0;
    }
    SaveSettings(form, input);
    MemoryForm again;
    LoadSettings(again, input);
    for (const ControlInfo& c : storedControls()) {
        const std::string text = form.text(c.name);
        const std::string blank = c.storedWhenSet ? "" : "0";
        FUZZ_CHECK(
            c.kind != ControlKind::Edit || again.text(c.name) == (isBlankText(text) ? blank : text),
            std::string(c.name));
        FUZZ_CHECK(form.checked(c.name) == again.checked(c.name), std::string(c.name));
    }
    return 0;
}
