#include "ui/DeviceWorker.h"

#include "device/DeviceLink.h"

#include <QTimer>

namespace marlo {

namespace {

// How often the GUI thread looks for the operation's end and its posted calls.
constexpr int pickUpIntervalMs = 10;

// The worker whose operation runs on this thread.
thread_local DeviceWorker* runningHere = nullptr;

} // namespace

DeviceWorker::DeviceWorker(DeviceLink& link, QObject* parent)
    : QObject(parent)
    , link_(link)
    , poll_(new QTimer(this)) {
    poll_->setInterval(pickUpIntervalMs);
    connect(poll_, &QTimer::timeout, this, &DeviceWorker::pickUp);
}

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
    finished_ = false;
    thread_ = std::thread([this, operation = std::move(operation)] {
        runningHere = this;
        result_ = operation();
        finished_ = true;
    });
    poll_->start();
    return true;
}

void DeviceWorker::postFromOperation(std::function<void()> call) {
    if (runningHere == nullptr) {
        call();
        return;
    }
    runningHere->postToGui(std::move(call));
}

void DeviceWorker::postToGui(std::function<void()> call) {
    const std::lock_guard lock(postedMutex_);
    posted_.push_back(std::move(call));
}

void DeviceWorker::pickUp() {
    runPosted();
    if (!finished_) {
        return;
    }
    poll_->stop();
    thread_.join();
    runPosted();
    std::function<void(int)> done = std::move(done_);
    done(result_);
}

void DeviceWorker::runPosted() {
    std::vector<std::function<void()>> calls;
    {
        const std::lock_guard lock(postedMutex_);
        calls.swap(posted_);
    }
    for (const auto& call : calls) {
        call();
    }
}

} // namespace marlo
