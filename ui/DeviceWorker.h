#pragma once

#include <QObject>
#include <functional>
#include <thread>

namespace marlo {

class DeviceLink;

// Runs one device operation at a time on a thread of its own while the window stays responsive.
// The operation must not touch widgets; `done` gets its result on the thread that owns the worker,
// the GUI thread, where widgets and boxes may be used.
class DeviceWorker : public QObject {
public:
    DeviceWorker(DeviceLink& link, QObject* parent = nullptr);
    // Stops the link's operation if one runs and waits for its thread, which ends at the link's
    // next wait; its `done` is then not called.
    ~DeviceWorker() override;

    bool busy() const { return thread_.joinable(); }

    // False, and nothing started, while another operation runs.
    bool start(std::function<int()> operation, std::function<void(int)> done);

private:
    void finish(int result);

    DeviceLink& link_;
    std::thread thread_;
    std::function<void(int)> done_;
};

// Runs `call` on the thread of `context` once control returns to its event loop.
void postToThreadOf(QObject* context, std::function<void()> call);

} // namespace marlo
