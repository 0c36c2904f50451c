#pragma once

#include <cstdint>

// While alive, no file of this process may grow past the given size: a write beyond it fails
// as on a full disk (the signal the system would send is ignored meanwhile). Works where the
// folder's permissions cannot stop the tests, as when they run as root. Unix only.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Active() const;

private:
    bool active_ = false;
    std::uint64_t savedSoft_ = 0;
    std::uint64_t savedHard_ = 0;
    void (*savedHandler_)(int) = nullptr;
};
