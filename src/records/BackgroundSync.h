#pragma once

#include "records/FileError.h"

#include <QObject>
#include <QString>

#include <functional>
#include <future>
#include <vector>

// Has files on disk on threads of their own, so that whoever wrote them does not wait for the
// disk: a slow disk or a network home folder can take a good part of a second to sync. A
// failure comes back on the owner's thread, through its event loop, to the handler given; a
// file removed meanwhile has nothing left to sync and is no failure. The owner's end waits for
// the syncs under way.
class BackgroundSync
{
public:
    using FailureHandler = std::function<void(const FileError& error, const QString& path)>;

    explicit BackgroundSync(FailureHandler onFailure);
    ~BackgroundSync();
    BackgroundSync(const BackgroundSync&) = delete;
    BackgroundSync& operator=(const BackgroundSync&) = delete;

    // Syncs what was written to the file, whichever descriptor wrote it.
    void Start(const QString& path);

    // Waits until every sync started has ended; their failures still come through the event
    // loop.
    void Wait();

private:
    FailureHandler onFailure_;
    QObject receiver_; // lives on the owner's thread: failures are delivered there
    std::vector<std::future<void>> running_;
};
