#include "ui/DeviceWorker.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>
#include <thread>

using namespace marlo;

class DeviceWorkerTest : public QObject {
    Q_OBJECT

private slots:
    void operationRunsOnItsOwnThreadAndReportsOnTheGuiThread() {
        DeviceWorker worker;
        QThread* operationThread = nullptr;
        QThread* postedThread = nullptr;
        QThread* doneThread = nullptr;
        int result = 0;
        QVERIFY(worker.start(
            [&] {
                operationThread = QThread::currentThread();
                postToThreadOf(&worker, [&] { postedThread = QThread::currentThread(); });
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
        DeviceWorker worker;
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

    void destroyingTheWorkerWaitsForTheOperation() {
        auto worker = std::make_unique<DeviceWorker>();
        QSemaphore started;
        QSemaphore gate;
        std::atomic<bool> operationEnded = false;
        bool doneCalled = false;
        QVERIFY(worker->start(
            [&] {
                started.release();
                gate.acquire();
                operationEnded = true;
                return 0;
            },
            [&](int) { doneCalled = true; }));
        started.acquire();
        std::thread opener([&] { gate.release(); });
        worker.reset();
        opener.join();
        QVERIFY(operationEnded);
        QCoreApplication::processEvents();
        QVERIFY(!doneCalled);
    }
};

QTEST_MAIN(DeviceWorkerTest)
#include "DeviceWorkerTest.moc"
