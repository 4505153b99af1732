// Runs a check without the power to write where file permissions forbid it. Tests of read-only
// folders need this because CI runs as root, which writes anywhere.
#pragma once

#include <functional>

// Runs check in a child process; when the tests run as root the child first becomes the user
// nobody. Returns what check returned (false when the child could not run it).
bool RunUnprivileged(const std::function<bool()>& check);
