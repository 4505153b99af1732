// The PNG decoder on arbitrary bytes: it must reject or decode, never read out of bounds, never
// ask for absurd memory, and every decoded pixmap must be whole.
#include "platform/gfx.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Pixmap out;
    if (DecodePng(data, size, out)) {
        if (out.width <= 0 || out.height <= 0 ||
            out.pixels.size() != static_cast<size_t>(out.width) * out.height)
            std::abort();
    }
    return 0;
}
