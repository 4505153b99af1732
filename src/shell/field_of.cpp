#include "shell/field_of.h"

std::string TrimLow(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) < 33) first++;
    while (last > first && static_cast<unsigned char>(text[last - 1]) < 33) last--;
    return text.substr(first, last - first);
}

namespace {

// 1-based position of delimiter in text searching from position start (1-based); 0 when absent.
// An empty delimiter is never found.
long Find(const std::string& text, const std::string& delimiter, long start) {
    if (delimiter.empty() || start < 1) start = 1;
    if (delimiter.empty() || static_cast<size_t>(start - 1) > text.size()) return 0;
    size_t at = text.find(delimiter, static_cast<size_t>(start - 1));
    return at == std::string::npos ? 0 : static_cast<long>(at) + 1;
}

} // namespace

std::string FieldOf(const std::string& text, const std::string& delimiter, int n) {
    std::string t = TrimLow(text);
    long start = 1, last = 0;
    bool overflow = false;
    // A field starts right after the whole delimiter. (Stepping over its first character only
    // would leave the rest of a long delimiter at the front of the next field.)
    for (int i = 0; i < n - 1; i++) {
        long found = Find(t, delimiter, start);
        long p = found > 0 ? found + static_cast<long>(delimiter.size()) : 1;
        if (p <= last) overflow = true;
        if (p > last) last = p;
        start = last;
    }
    if (overflow) return "-+-";
    long length = Find(t, delimiter, start) - start;
    long size = static_cast<long>(t.size());
    if (start > size) return "";
    if (length < 0) return t.substr(static_cast<size_t>(start - 1));
    return t.substr(static_cast<size_t>(start - 1), static_cast<size_t>(length));
}
