#include "platform/memstat.h"

#include <atomic>
#include <malloc.h>

namespace {
std::atomic<int> released{0};
}

int64_t BytesInUse() {
    struct mallinfo2 info = mallinfo2();
    return static_cast<int64_t>(info.uordblks + info.hblkhd);
}

void NoteRecordReleased() { released++; }

int ReclaimMemory() { return released.exchange(0); }
