#include "ui/DeviceWorker.h"

#include "device/DeviceLink.h"

namespace marlo {

DeviceWorker::DeviceWorker(DeviceLink& link, QObject* parent)
    : QObject(parent)
    , link_(link) {}

DeviceWorker::~DeviceWorker() {
    if (thread_.joinable()) {
        link_.stop();
        thread_.join();
        link_.resume();
    }
}

bool DeviceWorker::start(std::function<int()> operation, std::function<void(int)> done) {
    if (busy()) {
        return false;
    }
    done_ = std::move(done);
    // The result travels by a queued call; the join in `finish` orders everything the operation
    // wrote before what `done` reads.
    thread_ = std::thread([this, operation = std::move(operation)] {
        const int result = operation();
        postToThreadOf(this, [this, result] { finish(result); });
    });
    return true;
}

void DeviceWorker::finish(int result) {
    thread_.join();
    std::function<void(int)> done = std::move(done_);
    done(result);
}

void postToThreadOf(QObject* context, std::function<void()> call) {
    QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
}

} // namespace marlo
