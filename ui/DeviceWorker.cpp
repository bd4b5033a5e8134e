#include "ui/DeviceWorker.h"

#include <QThread>

namespace marlo {

DeviceWorker::DeviceWorker(QObject* parent)
    : QObject(parent) {}

DeviceWorker::~DeviceWorker() {
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
}

bool DeviceWorker::start(std::function<int()> operation, std::function<void(int)> done) {
    if (busy()) {
        return false;
    }
    thread_ = QThread::create([this, operation = std::move(operation)] { result_ = operation(); });
    connect(thread_, &QThread::finished, this, [this, done = std::move(done)] {
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
        done(result_);
    });
    thread_->start();
    return true;
}

void postToThreadOf(QObject* context, std::function<void()> call) {
    QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
}

} // namespace marlo
