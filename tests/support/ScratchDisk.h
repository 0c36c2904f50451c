#pragma once

#include <QString>
#include <QTemporaryDir>

#include <cstdint>

// A small disk of its own for one test: a memory file system mounted on a fresh folder, which
// the test can fill to the last byte or turn read-only, as a host's disk or folder may be.
// Mounting needs the right to mount (root, as on the build machines); Mounted() says whether
// it worked, and a test without it skips. Unix only.
class ScratchDisk
{
public:
    explicit ScratchDisk(std::uint64_t bytes = 256 * 1024);
    ~ScratchDisk();
    ScratchDisk(const ScratchDisk&) = delete;
    ScratchDisk& operator=(const ScratchDisk&) = delete;

    bool Mounted() const;
    QString Path() const;
    QString Path(const QString& fileName) const;

    bool SetReadOnly(bool readOnly);
    // Writes a filler file until the disk refuses another byte; Empty removes it again.
    void Fill();
    void Empty();

private:
    QTemporaryDir folder_;
    std::uint64_t bytes_;
    bool mounted_ = false;
};
