// Random bytes as default.ini: the bytes after the last number keep their values, and every image
// written reads back whole.
#include "core/files/DefaultIni.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace zarvex1;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    ParameterImage image;
    image.bytes().fill(0xA5);
    const int count = ParseDefaultIni(text, image);
    if (count < 0 || count > ParameterImage::Size)
        std::abort();
    for (int i = count; i < ParameterImage::Size; ++i)
        if (image.byte(i) != 0xA5)
            std::abort();

    ParameterImage again;
    if (ParseDefaultIni(FormatDefaultIni(image), again) != ParameterImage::Size || !(again == image))
        std::abort();
    return 0;
}
