#pragma once

#include <QObject>
#include <functional>

class QThread;

namespace marlo {

// Runs one device operation at a time on a thread of its own while the window stays responsive.
// The operation must not touch widgets; `done` gets its result on the thread that owns the worker,
// the GUI thread, where widgets and boxes may be used.
class DeviceWorker : public QObject {
public:
    explicit DeviceWorker(QObject* parent = nullptr);
    ~DeviceWorker() override; // waits for a running operation; its `done` is then not called

    bool busy() const { return thread_ != nullptr; }

    // False, and nothing started, while another operation runs.
    bool start(std::function<int()> operation, std::function<void(int)> done);

private:
    QThread* thread_ = nullptr;
    int result_ = 0;
};

// Runs `call` on the thread of `context` once control returns to its event loop.
void postToThreadOf(QObject* context, std::function<void()> call);

} // namespace marlo
