#include "BackgroundRelease.h"

#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>

class TestBackgroundRelease : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void releasedOnAnotherThread();
};

void TestBackgroundRelease::releasedOnAnotherThread()
{
    std::atomic<QThread*> releasedBy = nullptr;
    std::shared_ptr<int> garbage(new int(0), [&](const int* held) {
        releasedBy = QThread::currentThread();
        delete held;
    });
    core::releaseInBackground(std::move(garbage));
    QVERIFY(QThreadPool::globalInstance()->waitForDone(5000));
    QVERIFY(releasedBy != nullptr);
    QVERIFY(releasedBy != QThread::currentThread());
}

QTEST_GUILESS_MAIN(TestBackgroundRelease)
#include "tst_backgroundrelease.moc"
