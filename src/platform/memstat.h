// The two memory figures of the frame loop's overlay.
#pragma once

#include <cstdint>

// Bytes the program's heap has in use now.
int64_t BytesInUse();
// Shared records (scores, particles, popups, notices) note their release here.
void NoteRecordReleased();
// Records released since the previous call (the overlay's "Collection" figure).
int ReclaimMemory();
