#include "AppTitle.h"
#include "ClipboardExport.h"
#include "ExportCommands.h"
#include "ExportFixture.h"
#include "ProgramEnd.h"
#include "TestServices.h"

#include <QtTest>

using testing::Rows;

namespace {

const QString kCopied = QStringLiteral(
    "Results have been copied to the clipboard.\r\rClick a text area where you normally type and "
    "press Ctrl+V to paste the clipboard.");
const QString kBefore = QStringLiteral("held before the copy");

// The copy command of either window, with the test doubles behind it and a clipboard that
// already holds a text.
struct CopyFixture {
    CopyFixture() { services.clipboard.text = kBefore; }
    testing::TestServices services;
    testing::ExportTestWindow window;

    void copy(bool mainWindow = true)
    {
        platform::runHandler([&] {
            if (mainWindow)
                exporting::copyWindowList(QStringLiteral("Form1"),
                                          QStringLiteral("PushButton1_Click"), window.list);
            else
                exporting::copyWindowList(QStringLiteral("Form2"),
                                          QStringLiteral("PushButton5_Click"), window.list);
        });
    }
    QString clipboard() const { return services.clipboard.text; }
    QStringList messages() const { return services.messageBox.texts(); }
};

}  // namespace

class TestCopyCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstColumn_data();
    void firstColumn();
    void allColumns_data();
    void allColumns();
    void refusedClipboard_data();
    void refusedClipboard();
    void listChangedMidCopy_data();
    void listChangedMidCopy();
    void closingMidCopyLeavesClipboard();
    void bigListWithOneLongRow_data();
    void bigListWithOneLongRow();
};

void TestCopyCommand::firstColumn_data()
{
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<bool>("sorted");
    for (const bool mainWindow : {true, false}) {
        const char* window = mainWindow ? "main: " : "search: ";
        QTest::addRow("%sworked example", window)
            << mainWindow << Rows{{"1 2 3", "01 02 03"}, {"10 20 30", "10 20 30"}}
            << "1 2 3\r\n10 20 30\r\n" << false;
        QTest::addRow("%sempty list leaves the clipboard", window)
            << mainWindow << Rows{} << kBefore << false;
        QTest::addRow("%strailing spaces go, leading stay", window)
            << mainWindow << Rows{{"  5 6  ", "x"}, {"7", "y"}} << "  5 6\r\n7\r\n" << false;
        QTest::addRow("%sempty and blank rows", window)
            << mainWindow << Rows{{"", "a"}, {"   ", "b"}, {"8", "c"}} << "\r\n\r\n8\r\n" << false;
        QTest::addRow("%snon-ASCII", window)
            << mainWindow << Rows{{"é 😀", "x"}, {"abcdef", "y"}} << "é 😀\r\nabcdef\r\n" << false;
    }
    QTest::newRow("main: sorted, in list order")
        << true << Rows{{"7 8", "07 08"}, {"1 2", "01 02"}, {"4 5", "04 05"}}
        << "1 2\r\n4 5\r\n7 8\r\n" << true;
}

// The clipboard's whole text, and the confirmation, which shows even for an empty list.
void TestCopyCommand::firstColumn()
{
    QFETCH(bool, mainWindow);
    QFETCH(Rows, rows);
    QFETCH(QString, copied);
    QFETCH(bool, sorted);
    CopyFixture c;
    c.window.list.setSorted(sorted);
    c.window.add(rows);
    c.copy(mainWindow);
    QCOMPARE(c.clipboard(), copied);
    QCOMPARE(c.messages(), QStringList{kCopied});
    QCOMPARE(c.services.messageBox.boxes.first().title, report::appTitle());
    QCOMPARE(c.services.clipboard.requests, rows.isEmpty() ? 0 : 2);
}

void TestCopyCommand::allColumns_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("copied");
    QTest::newRow("padded to the widest cell")
        << Rows{{"1 2 3", "01 02 03"}, {"10 20 30", "10 20 30"}}
        << "1 2 3   \t01 02 03\r\n10 20 30\t10 20 30\r\n";
    QTest::newRow("headers do not count")
        << Rows{{"1", "a"}, {"22", "bb"}} << "1 \ta\r\n22\tbb\r\n";
    QTest::newRow("padding of the last column goes")
        << Rows{{"1", "a"}, {"2", "bbb"}} << "1\ta\r\n2\tbbb\r\n";
    QTest::newRow("only spaces are trimmed, not tabs")
        << Rows{{"1", ""}, {"22", ""}} << "1 \t\r\n22\t\r\n";
    QTest::newRow("widths in UTF-16 units")
        << Rows{{"é😀", "x"}, {"abcd", "y"}, {"ab", "z"}} << "é😀 \tx\r\nabcd\ty\r\nab  \tz\r\n";
}

void TestCopyCommand::allColumns()
{
    QFETCH(Rows, rows);
    QFETCH(QString, copied);
    CopyFixture c;
    c.window.add(rows);
    exporting::CopyListViewToClipboardTab(c.window.list, false);
    QCOMPARE(c.clipboard(), copied);
    QVERIFY(c.messages().isEmpty());
}

void TestCopyCommand::refusedClipboard_data()
{
    QTest::addColumn<int>("refusals");
    QTest::addColumn<bool>("placed");
    QTest::addColumn<int>("requests");
    QTest::newRow("clear placed at its last attempt") << 999 << true << 1001;
    QTest::newRow("clear gives up, text placed at once") << 1000 << true << 1001;
    QTest::newRow("text placed at its last attempt") << 1999 << true << 2000;
    QTest::newRow("both give up") << 2000 << false << 2000;
    QTest::newRow("the requests stop at 2000") << 5000 << false << 2000;
}

// Refusals are never reported, and a text the clipboard never took is not confirmed.
void TestCopyCommand::refusedClipboard()
{
    QFETCH(int, refusals);
    QFETCH(bool, placed);
    QFETCH(int, requests);
    CopyFixture c;
    c.window.add({{"1 2 3", "01 02 03"}});
    c.services.clipboard.refusals = refusals;
    c.copy();
    QCOMPARE(c.clipboard(), placed ? QStringLiteral("1 2 3\r\n") : kBefore);
    QCOMPARE(c.services.clipboard.requests, requests);
    QCOMPARE(c.messages(), placed ? QStringList{kCopied} : QStringList{});
}

void TestCopyCommand::listChangedMidCopy_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("append") << "append";
    QTest::newRow("remove") << "remove";
    QTest::newRow("clear") << "clear";
}

// The clipboard gets the list as it stood when the copy started.
void TestCopyCommand::listChangedMidCopy()
{
    QFETCH(QString, change);
    testing::checkChangedMidway<CopyFixture>(
        change, [](CopyFixture& c) { c.copy(); }, [](CopyFixture& c) { return c.clipboard(); });
}

// The program ends at the copy's first yield.
void TestCopyCommand::closingMidCopyLeavesClipboard()
{
    CopyFixture c;
    c.window.addPicks(5000);
    c.services.pump.when([] { return true; }, [] { platform::endProgram(); });
    c.copy();
    QCOMPARE(c.clipboard(), kBefore);
    QCOMPARE(c.services.clipboard.requests, 0);
    QVERIFY(c.messages().isEmpty());
}

void TestCopyCommand::bigListWithOneLongRow_data()
{
    QTest::addColumn<bool>("memoryRunsOut");
    QTest::newRow("copied") << false;
    QTest::newRow("memory runs out") << true;
}

// One long row among many short ones is copied with the rest; a copy that runs out of
// memory says so once, leaves the clipboard alone and claims no copy.
void TestCopyCommand::bigListWithOneLongRow()
{
    QFETCH(bool, memoryRunsOut);
    CopyFixture c;
    c.window.addPicks(100000);
    const QString longRow(1000000, u'7');
    c.window.add({{longRow, longRow}});
    if (memoryRunsOut)
        c.services.pump.when([] { return true; }, [] { throw std::bad_alloc(); });
    c.copy();
    if (memoryRunsOut) {
        QCOMPARE(c.clipboard(), kBefore);
        QCOMPARE(c.messages().size(), 1);
        QVERIFY(c.messages().first().startsWith(
            QStringLiteral("Out of memory\r\nin "
                           "Drawsmith2021/08/31.Main.CopyListViewToClipboardTab at line 140")));
    } else {
        QVERIFY(c.clipboard().endsWith(QStringLiteral("\r\n") + longRow + QStringLiteral("\r\n")));
        QCOMPARE(c.messages(), QStringList{kCopied});
    }
}

QTEST_MAIN(TestCopyCommand)
#include "tst_copycommand.moc"
