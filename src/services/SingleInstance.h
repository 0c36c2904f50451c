#pragma once

#include <QLockFile>
#include <QString>

// One console per program folder: a lock file there, held while the console runs. Two
// consoles with different folders run side by side; a lock left by a console that died is
// taken over.
class SingleInstance
{
public:
    enum class Claim
    {
        Held,          // this console now holds the folder
        HeldByAnother, // a live console holds it: this one must not start
        Unavailable    // no lock can be made there (a read-only folder): start without one
    };

    explicit SingleInstance(const QString& programFolder);

    Claim TryAcquire();

private:
    QLockFile lock_;
};
