// The only way out: saves everything, says goodbye and ends the process on the next input.
#pragma once

[[noreturn]] void ClosingScreen();
