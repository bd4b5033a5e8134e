#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class QTimer;

namespace marlo {

class DeviceLink;

// Runs one device operation at a time on a thread of its own while the window stays responsive.
// The operation must not touch widgets; `done` gets its result on the thread that owns the worker,
// the GUI thread, where widgets and boxes may be used. Nothing crosses between the threads
// through Qt: the GUI thread picks up the result and the posted calls itself, so every hand-over
// goes through the worker's own lock and join.
class DeviceWorker : public QObject {
public:
    DeviceWorker(DeviceLink& link, QObject* parent = nullptr);
    // Stops the link's operation if one runs and waits for its thread, which ends at the link's
    // next wait; its `done` and the calls it posted are then dropped.
    ~DeviceWorker() override;

    bool busy() const { return thread_.joinable(); }

    // False, and nothing started, while another operation runs.
    bool start(std::function<int()> operation, std::function<void(int)> done);
    // Runs `call` on the GUI thread, soon and before `done`, when it comes from the operation of a
    // worker, whichever window's worker that is; at once on any other thread.
    static void postFromOperation(std::function<void()> call);

private:
    void postToGui(std::function<void()> call);
    void pickUp();
    void runPosted();

    DeviceLink& link_;
    QTimer* poll_;
    std::thread thread_;
    std::function<void(int)> done_;
    int result_ = 0;
    std::atomic<bool> finished_{false};
    std::mutex postedMutex_;
    std::vector<std::function<void()>> posted_;
};

} // namespace marlo
