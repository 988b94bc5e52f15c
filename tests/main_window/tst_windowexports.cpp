#include "Form1.h"
#include "Form2.h"
#include "MousePointer.h"
#include "ProgramEnd.h"
#include "ProgressBar.h"
#include "ResultsList.h"
#include "Services.h"
#include "TestServices.h"
#include "WindowDriving.h"

#include <QCloseEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kCopied = QStringLiteral(
    "Results have been copied to the clipboard.\r\rClick a text area where you normally type and "
    "press Ctrl+V to paste the clipboard.");

QPushButton* buttonCaptioned(const QWidget& window, const QString& caption)
{
    const auto buttons = window.findChildren<QPushButton*>();
    const auto found = std::find_if(buttons.begin(), buttons.end(),
                                    [&](const QPushButton* b) { return b->text() == caption; });
    return found == buttons.end() ? nullptr : *found;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The main window holding the two rows of the worked example, and a file name to save to.
struct Windows {
    testing::TestServices services;
    Form1 main;
    QString file = services.programFolder.filePath(QStringLiteral("picks.txt"));
    Windows()
    {
        main.show();
        main.ListView1->append(QStringLiteral("1 2 3"), QStringLiteral("01 02 03"));
        main.ListView1->append(QStringLiteral("10 20 30"), QStringLiteral("10 20 30"));
    }
    // The search window holding 3,000 results, long enough for a save to yield a dozen
    // times, with the next save going to `file`.
    Form2* searchWindowAboutToSaveManyRows()
    {
        for (int i = 0; i < 3000; ++i)
            main.ListView1->append(QStringLiteral("7 %1").arg(i), QString());
        Form2* form = searchFor(QStringLiteral("7"));
        services.saveDialog.names = {file};
        return form;
    }
    Form2* searchFor(const QString& text)
    {
        main.PushButton7->click();
        Form2* form = main.searchWindow();
        form->Text1->setText(text);
        form->PushButton2->click();
        services.messageBox.boxes.clear();
        return form;
    }
};

}  // namespace

// The save and copy commands through the real windows, with the dialog and clipboard
// doubles: whole files and whole clipboard texts, byte for byte.
class TestWindowExports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mainWindowSave();
    void mainWindowCopy();
    void searchWindowSave();
    void searchWindowCopy();
    void listStaysWhileMainWindowSaves();
    void searchWindowStaysOpenWhileSaving();
    void searchDuringSaveDoesNotLetTheWindowClose();
    void closeDuringSaveEndsTheProgram();
    void doubleClickRunsItsCommandOnce_data();
    void doubleClickRunsItsCommandOnce();
};

void TestWindowExports::mainWindowSave()
{
    Windows w;
    w.services.saveDialog.names = {w.file};
    w.main.PushButton6->click();
    QCOMPARE(contentsOf(w.file), QByteArray("Picks   \t        \t\r\n"
                                            "1 2 3   \t01 02 03\t\r\n"
                                            "10 20 30\t10 20 30\t\r\n"));
    QCOMPARE(w.services.saveDialog.titles, QStringList{QStringLiteral("Save")});
    QCOMPARE(w.services.saveDialog.filters,
             QStringList{QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|")});
    QCOMPARE(w.services.messageBox.texts(), QStringList{QStringLiteral("Done.")});
    QCOMPARE(w.main.ProgressBar1->value(), 0);
    QCOMPARE(w.main.ProgressBar1->text(), QStringLiteral("Progress Bar"));
    QCOMPARE(w.main.mousePointer(), int(forms::kDefaultPointer));
}

void TestWindowExports::mainWindowCopy()
{
    Windows w;
    w.main.PushButton1->click();
    QCOMPARE(w.services.clipboard.text, QStringLiteral("1 2 3\r\n10 20 30\r\n"));
    QCOMPARE(w.services.messageBox.texts(), QStringList{kCopied});
}

void TestWindowExports::searchWindowSave()
{
    Windows w;
    Form2* form = w.searchFor(QStringLiteral("0,2"));
    w.services.saveDialog.names = {w.file};
    form->PushButton4->click();
    QCOMPARE(contentsOf(w.file), QByteArray("1 2 3\r\n10 20 30\r\n10 20 30\r\n"));
    QVERIFY(w.services.messageBox.boxes.isEmpty());
    QCOMPARE(form->mousePointer(), int(forms::kDefaultPointer));
}

void TestWindowExports::searchWindowCopy()
{
    Windows w;
    Form2* form = w.searchFor(QStringLiteral("2"));
    form->PushButton5->click();
    QCOMPARE(w.services.clipboard.text, QStringLiteral("1 2 3\r\n10 20 30\r\n"));
    QCOMPARE(w.services.messageBox.texts(), QStringList{kCopied});
}

// While the main window saves, "Clear List" and row removal are refused.
void TestWindowExports::listStaysWhileMainWindowSaves()
{
    Windows w;
    for (int i = 0; i < 3000; ++i)
        w.main.ListView1->append(QString::number(i), QString::number(i));
    w.main.ListView1->selectRow(0);
    w.services.saveDialog.names = {w.file};
    w.services.pump.when([&] { return w.main.mousePointer() == forms::kHourglassPointer; },
                         [&] {
                             w.main.PushButton9->click();
                             QTest::keyClick(w.main.ListView1, Qt::Key_Delete);
                         });
    w.main.PushButton6->click();
    QCOMPARE(w.main.ListView1->rowCount(), 3002);
    QCOMPARE(contentsOf(w.file).count("\r\n"), 3003);
    w.main.PushButton9->click();
    QCOMPARE(w.main.ListView1->rowCount(), 0);
}

// Closing the search window in the middle of a save of its results is refused, so the save
// is never cut off; afterwards it closes as usual.
void TestWindowExports::searchWindowStaysOpenWhileSaving()
{
    Windows w;
    Form2* form = w.searchWindowAboutToSaveManyRows();
    bool closed = true;
    w.services.pump.when([&] { return form->mousePointer() == forms::kHourglassPointer; },
                         [&] { closed = form->close(); });
    form->PushButton4->click();
    QVERIFY(!closed);
    QVERIFY(form->isVisible());
    QCOMPARE(contentsOf(w.file).count("\r\n"), 3000);
    QVERIFY(form->close());
    QVERIFY(w.main.isVisible());
}

// A search made while the results are being saved leaves the save's hourglass showing,
// and the window refuses to close until the save is done.
void TestWindowExports::searchDuringSaveDoesNotLetTheWindowClose()
{
    Windows w;
    Form2* form = w.searchWindowAboutToSaveManyRows();
    bool closed = true;
    w.services.pump.when([&] { return form->mousePointer() == forms::kHourglassPointer; },
                         [&] { form->PushButton2->click(); });
    w.services.pump.when([&] { return form->ListView1->rowCount() == 6000; },
                         [&] {
                             QCOMPARE(form->mousePointer(), int(forms::kHourglassPointer));
                             closed = form->close();
                         });
    form->PushButton4->click();
    QVERIFY(!closed);
    QCOMPARE(w.main.searchWindow(), form);
    QCOMPARE(contentsOf(w.file).count("\r\n"), 3000);  // the list as it was when the save began
    QCOMPARE(form->ListView1->rowCount(), 6000);
}

// A close that arrives while a save runs without yielding (its last stretch: the file
// going to disk) is handled before the closing box could block the window and drop it:
// the program ends with the file complete, and says nothing more.
void TestWindowExports::closeDuringSaveEndsTheProgram()
{
    Windows w;
    w.services.saveDialog.names = {w.file};
    w.services.pump.when([&] { return w.main.mousePointer() == forms::kHourglassPointer; },
                         [&] { QCoreApplication::postEvent(&w.main, new QCloseEvent); });
    w.main.PushButton6->click();
    QVERIFY(platform::services().programEnding);
    QVERIFY(!w.main.isVisible());
    QVERIFY(w.services.messageBox.boxes.isEmpty());
    QCOMPARE(contentsOf(w.file).count("\r\n"), 3);
}

void TestWindowExports::doubleClickRunsItsCommandOnce_data()
{
    const QStringList done{QStringLiteral("Done.")};
    QTest::addColumn<bool>("inSearchWindow");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("generate") << false << QStringLiteral("Start Generating") << done;
    QTest::newRow("save") << false << QStringLiteral("Save Results As Text File") << done;
    QTest::newRow("copy") << false << QStringLiteral("Copy Results To Clipboard")
                          << QStringList{kCopied};
    QTest::newRow("search") << true << QStringLiteral("Search") << done;
    QTest::newRow("search window's save")
        << true << QStringLiteral("Save Results As Text File") << QStringList();
    QTest::newRow("search window's copy")
        << true << QStringLiteral("Copy Results To Clipboard") << QStringList{kCopied};
}

// The second click of a double-click arrives while the first one's command works: it is
// dropped, as the box that ends the command would drop it, and runs nothing.
void TestWindowExports::doubleClickRunsItsCommandOnce()
{
    QFETCH(bool, inSearchWindow);
    QFETCH(QString, caption);
    QFETCH(QStringList, boxes);
    Windows w;
    QWidget* window = &w.main;
    if (inSearchWindow)
        window = w.searchFor(QStringLiteral("2"));
    w.services.saveDialog.names = {w.file, w.file};
    QPushButton* button = buttonCaptioned(*window, caption);
    testing::queueSecondClick(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(w.services.messageBox.texts(), boxes);
}

QTEST_MAIN(TestWindowExports)
#include "tst_windowexports.moc"
