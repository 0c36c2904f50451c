#pragma once

#include <functional>

// The one wait of the tests. Runs this thread's event loop until `done` holds or `timeoutMs` has
// passed, checking `done` once more after the bound, so what came in the last round still counts.
// Between rounds it naps for a moment, only because what is awaited may come from another process
// or thread, which posts no event here to wake for. True when `done` held.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);
