#include "ui/DeviceWorker.h"
#include "device/DeviceLink.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <memory>

using namespace marlo;

class DeviceWorkerTest : public QObject {
    Q_OBJECT

private slots:
    void operationRunsOnItsOwnThreadAndReportsOnTheGuiThread() {
        DeviceLink link{{}};
        DeviceWorker worker(link);
        QThread* operationThread = nullptr;
        QThread* postedThread = nullptr;
        QThread* doneThread = nullptr;
        int result = 0;
        QVERIFY(worker.start(
            [&] {
                operationThread = QThread::currentThread();
                DeviceWorker::postFromOperation([&] { postedThread = QThread::currentThread(); });
                return -5;
            },
            [&](int value) {
                doneThread = QThread::currentThread();
                result = value;
            }));
        QTRY_VERIFY(doneThread != nullptr);
        QTRY_VERIFY(postedThread != nullptr);
        QVERIFY(operationThread != QThread::currentThread());
        QCOMPARE(doneThread, QThread::currentThread());
        QCOMPARE(postedThread, QThread::currentThread());
        QCOMPARE(result, -5);
        QVERIFY(!worker.busy());
    }

    void aSecondOperationIsRefusedWhileOneRuns() {
        DeviceLink link{{}};
        DeviceWorker worker(link);
        QSemaphore gate;
        int finished = 0;
        QVERIFY(worker.start(
            [&] {
                gate.acquire();
                return 0;
            },
            [&](int) { ++finished; }));
        QVERIFY(worker.busy());
        QVERIFY(!worker.start([] { return 0; }, [&](int) { finished += 10; }));
        gate.release();
        QTRY_COMPARE(finished, 1);
        QVERIFY(worker.start([] { return 0; }, [&](int) { ++finished; }));
        QTRY_COMPARE(finished, 2);
    }

    void destroyingTheWorkerStopsTheLinksOperationAndLeavesTheLinkUsable() {
        DeviceLink link{{}};
        auto worker = std::make_unique<DeviceWorker>(link);
        QSemaphore started;
        std::atomic<bool> paused = true;
        bool doneCalled = false;
        QVERIFY(worker->start(
            [&] {
                started.release();
                paused = link.pause(std::chrono::hours(1));
                return 0;
            },
            [&](int) { doneCalled = true; }));
        started.acquire();
        worker.reset();
        QVERIFY(!paused);
        QCoreApplication::processEvents();
        QVERIFY(!doneCalled);
        QVERIFY(link.pause(std::chrono::milliseconds(0)));
    }
};

QTEST_MAIN(DeviceWorkerTest)
#include "DeviceWorkerTest.moc"
