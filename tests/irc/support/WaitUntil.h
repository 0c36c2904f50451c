#pragma once

#include <functional>

// Runs this thread's event loop until `done` holds; false once timeoutMs has passed without.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);
