#include "BackgroundJob.h"
#include "DialogFilter.h"
#include "FileExists.h"
#include "QtMessageBox.h"
#include "TimeSlicedPump.h"

#ifndef Q_OS_WIN
#include "QtSaveDialog.h"
#endif

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <stdexcept>

// The small desktop helpers behind the windows: the file test, the dialog filter, how
// message text is shown and the time-sliced event pump.
class TestDesktop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileExists_data();
    void fileExists();
    void dialogFilter_data();
    void dialogFilter();
#ifndef Q_OS_WIN
    void typedNameComesBackAsTyped();
#endif
    void lineBreaks_data();
    void lineBreaks();
    void pumpRunsOncePerSlice();
    void waitingForAJobLetsEventsIn();
};

void TestDesktop::fileExists_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("exists");
    QTest::newRow("existing file") << "picks.txt" << true;
    QTest::newRow("empty file") << "empty.txt" << true;
    QTest::newRow("missing file") << "missing.txt" << false;
    QTest::newRow("file in a missing folder") << "nowhere/picks.txt" << false;
    QTest::newRow("empty path") << QString() << false;
}

void TestDesktop::fileExists()
{
    QFETCH(QString, relative);
    QFETCH(bool, exists);
    QTemporaryDir folder;
    QFile picks(folder.filePath(QStringLiteral("picks.txt")));
    QVERIFY(picks.open(QIODevice::WriteOnly));
    picks.write("1 2 3\r\n");
    picks.close();
    QFile empty(folder.filePath(QStringLiteral("empty.txt")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    const QString path = relative.isEmpty() ? QString() : folder.filePath(relative);
    QCOMPARE(platform::FileExists(path), exists);
}

void TestDesktop::dialogFilter_data()
{
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QString>("filter");
    QTest::newRow("save filter") << "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"
                                 << "Text Files (*.txt)=*.txt;All Files (*.*)=*.*";
    QTest::newRow("without trailing bar") << "Text Files (*.txt)|*.txt"
                                          << "Text Files (*.txt)=*.txt";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDesktop::dialogFilter()
{
    QFETCH(QString, pairs);
    QFETCH(QString, filter);
    QStringList entries;
    for (const platform::DialogFilter& entry : platform::dialogFilters(pairs))
        entries << entry.description + QLatin1Char('=') + entry.pattern;
    QCOMPARE(entries.join(QLatin1Char(';')), filter);
}

// Qt's dialog stands in for Windows' own elsewhere; Windows' own is driven in the drive of
// the Windows build (scripts/windows-drive.py).
#ifndef Q_OS_WIN
namespace {

// Types a name without an extension into the save dialog once it shows, with the text
// filter selected, and presses Enter; gives up on a dialog it cannot type into.
void typeIntoSaveDialog(const QString& name)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, name, giveUp = QDeadlineTimer(5000)] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* edit =
            dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (edit && edit->isVisible()) {
            edit->setText(name);
            QTest::keyClick(edit, Qt::Key_Return);
        } else if (!giveUp.hasExpired()) {
            return;
        } else if (dialog) {
            dialog->reject();
        }
        poll->deleteLater();
    });
    poll->start(50);
}

}  // namespace

void TestDesktop::typedNameComesBackAsTyped()
{
    QTemporaryDir folder;
    QWidget window;
    window.show();
    const QString cached = QStringLiteral("drawn before the dialog");
    QPixmapCache::insert(cached, QPixmap(1, 1));
    platform::QtSaveDialog dialog;
    for (const QString& typed : {folder.filePath(QStringLiteral("picks")),
                                 folder.filePath(QStringLiteral("more"))}) {
        window.activateWindow();  // as when the user presses the window's Save button
        QVERIFY(QTest::qWaitForWindowActive(&window));
        typeIntoSaveDialog(typed);
        const QString name = dialog.askSaveFileName(
            QStringLiteral("Save"), QStringLiteral("Text Files (*.txt)|*.txt|"));
        QCOMPARE(QDir::fromNativeSeparators(name), typed);
    }
    // The window keeps one dialog, whose icons Qt's cache holds keys of, and the dialog's
    // drawn pixmaps are dropped from the cache.
    QCOMPARE(window.findChildren<QFileDialog*>().size(), 1);
    QPixmap left;
    QVERIFY(!QPixmapCache::find(cached, &left));
}
#endif

void TestDesktop::lineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two carriage returns") << "a\r\rb"
                                          << "a\n\nb";
    QTest::newRow("CR LF pairs") << "a\r\n\r\nb"
                                 << "a\n\nb";
    QTest::newRow("mixed") << "a\r\nb\r\rc"
                           << "a\nb\n\nc";
    QTest::newRow("no breaks") << "Done."
                               << "Done.";
}

void TestDesktop::lineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(platform::displayedLines(text), shown);
}

// A command that yields without pause for four slices lets events in once or more, and at
// most once per slice less a tick of the coarse clock: never on every tick.
void TestDesktop::pumpRunsOncePerSlice()
{
    struct CountingPump : platform::TimeSlicedPump {
        int pumps = 0;
        void pump(Input) override { ++pumps; }
    } pump;
    QElapsedTimer running;
    running.start();
    while (!running.hasExpired(4 * platform::TimeSlicedPump::kSliceMs))
        pump.yield();
    QVERIFY(pump.pumps >= 1);
    QVERIFY(pump.pumps <= 6);
}

// Waiting for a job that runs until the window has had its events (as a commit to a slow
// disk may) yields to the event queue meanwhile, and the job's failure reaches the waiter.
void TestDesktop::waitingForAJobLetsEventsIn()
{
    struct FlaggingPump : platform::EventPump {
        std::atomic<bool> yielded = false;
        void yield() override { yielded = true; }
        void catchUp() override {}
    } pump;
    platform::Services doubles;
    doubles.pump = &pump;
    const QScopedValueRollback installed(platform::services(), doubles);
    platform::BackgroundJob job;
    job.start([&] {
        const QDeadlineTimer patience(5000);
        while (!pump.yielded && !patience.hasExpired())
            QThread::msleep(1);
        throw std::runtime_error(pump.yielded ? "after a yield" : "with no yield");
    });
    try {
        job.wait();
        QFAIL("the job's failure was lost");
    } catch (const std::runtime_error& failure) {
        QCOMPARE(failure.what(), "after a yield");
    }
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
