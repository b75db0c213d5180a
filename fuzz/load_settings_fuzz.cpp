// LoadSettings over any bytes: a load either fails with FileError or fills the form, and a
// loaded form saves, and saves again after loading what it saved, to the same bytes.
#include "files/atomic_file.h"
#include "files/read_file.h"
#include "form/memory_form.h"
#include "fuzz_check.h"
#include "store/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    static const std::string input = fuzz::scratchFile("Config.ini");
    static const std::string first = fuzz::scratchFile("first.ini");
    static const std::string second = fuzz::scratchFile("second.ini");
    fuzz::writeBytes(input, std::string_view(reinterpret_cast<const char*>(data), size));

    MemoryForm form;
    try {
        LoadSettings(form, input);
    } catch (const FileError&) {
        return 0;
    }
    std::remove(first.c_str());
    std::remove(second.c_str());
    SaveSettings(form, first);  // whatever loaded can be stored
    MemoryForm again;
    LoadSettings(again, first);
    SaveSettings(again, second);
    const auto a = readFileIfExists(first), b = readFileIfExists(second);
    FUZZ_CHECK(a && b && *a == *b, "the settings changed on their way through the file");
    return 0;
}
