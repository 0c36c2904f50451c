#include "records/BackgroundSync.h"

#include "records/TextFile.h"

#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <utility>

BackgroundSync::BackgroundSync(FailureHandler onFailure) : onFailure_(std::move(onFailure)) {}

BackgroundSync::~BackgroundSync()
{
    Wait();
}

void BackgroundSync::Start(const QString& path)
{
    // The syncs that have ended are let go here, so the list stays as short as the disk is slow.
    std::erase_if(running_, [](const std::future<void>& sync) {
        return sync.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    running_.push_back(std::async(std::launch::async, [this, path] {
        const auto error = SyncTextFile(path);
        if (!error || IsNotFound(*error))
            return;
        // Queued to the receiver, which a pending delivery does not outlive.
        QMetaObject::invokeMethod(
            &receiver_, [handler = onFailure_, failure = *error, path] { handler(failure, path); },
            Qt::QueuedConnection);
    }));
}

void BackgroundSync::Wait()
{
    for (std::future<void>& sync : running_)
        sync.wait();
    running_.clear();
}
