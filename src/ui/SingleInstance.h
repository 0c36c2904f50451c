#pragma once

#include <QLockFile>
#include <QString>

// One console per program folder: a lock file there, held while the console runs. Two
// consoles with different folders run side by side; a lock left by a console that died is
// taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& programFolder);

    // True when this console now holds the folder.
    bool TryAcquire();

private:
    QLockFile lock_;
};
