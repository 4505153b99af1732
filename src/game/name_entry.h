// After a game: the player names the result.
#pragma once

// Edits playerName until Return, a click or Escape confirms it.
void EnterName();
// Whether a typed character may go into a name: codes 32-255, but never "|", which separates the
// fields of a score line.
bool NameCharacterAllowed(int code);
