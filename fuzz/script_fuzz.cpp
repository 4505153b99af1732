// The input script reader on any bytes: it must read or refuse, never crash or hang.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/input_script.h"

namespace {

int KeyByName(const std::string& name) {
    if (name == "Return") return 13;
    if (name == "Space") return 32;
    if (name == "Page Up") return 33;
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0];
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return name[0];
    return -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    InputScript script;
    std::string error;
    const bool ok = ParseInputScript(text, KeyByName, script, error);
    if (ok == error.empty() && (ok || error.rfind("script line ", 0) == 0)) return 0;
    __builtin_trap(); // a result and its error must agree
}
