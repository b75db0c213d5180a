// LoadSettings over any bytes: a load either fails with FileError or fills the form, and a
// loaded form saves over its file (every value it loaded can be stored there, if only as the
// bytes it was read from), and loaded and saved again gives the same bytes.
#include "files/atomic_file.h"
#include "files/read_file.h"
#include "form/memory_form.h"
#include "fuzz_check.h"
#include "store/settings_file.h"

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
    const auto a = readFileIfExists(input);
    MemoryForm again;
    LoadSettings(again, input);
    SaveSettings(again, input);
    const auto b = readFileIfExists(input);
    FUZZ_CHECK(a && b && *a == *b, "the settings changed on their way through the file");
    return 0;
}
