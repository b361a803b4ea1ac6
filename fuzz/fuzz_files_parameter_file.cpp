// Random bytes as a parameter file: opening must never crash, a rejected file must leave the image
// alone, and whatever image a file gives must write and read back to the same text.
#include "core/files/ParameterFile.h"
#include "core/params/Defaults.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace zarvex1;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const int page = static_cast<int>(data[0] % (Page::Count + 1)) - 1; // -1 .. 8
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);

    ParameterImage before = FirstStartSet(data[0] % 7);
    DefaultsState state;

    ParameterImage image = before;
    const LoadResult result = LoadParameterText(text, page, image, state);
    if (!result.loaded) {
        if (!(image == before) || result.loadedVersion != 0)
            std::abort();
        return 0;
    }
    if (result.loadedVersion != 81 && result.loadedVersion != 99)
        std::abort();

    const std::string written = WriteParameterFile(image);
    ParameterImage again = image;
    DefaultsState againState;
    if (!LoadParameterText(written, Page::All, again, againState).loaded)
        std::abort();
    if (WriteParameterFile(again) != written)
        std::abort();
    return 0;
}
