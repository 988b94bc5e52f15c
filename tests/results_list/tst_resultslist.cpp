#include "ResultsList.h"
#include "ResultsModel.h"
#include "RowStore.h"
#include "RuntimeFailure.h"
#include "WindowDriving.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QtTest>

#include <algorithm>
#include <random>

using forms::ResultsList;
using results_list::ResultsModel;

namespace {

// Rows are labelled a, b, c ... in the order they were appended.
QString label(int appended) { return QString(QChar(u'a' + appended)); }

// The item texts of all rows as the program reads them (this merges pending rows).
QStringList itemTexts(const ResultsList& list)
{
    QStringList texts;
    for (int row = 1; row <= list.rowCount(); ++row)
        texts.append(list.itemText(row));
    return texts;
}

// One column of a snapshot, top to bottom.
QStringList columnTexts(const results_list::ListSnapshot& snapshot, int column)
{
    QStringList texts;
    for (qsizetype row = 1; row <= snapshot.rowCount(); ++row)
        texts.append(snapshot.cell(row, column));
    return texts;
}

// The item texts the view shows, without merging anything.
QStringList shownTexts(const ResultsModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, 0).data().toString());
    return texts;
}

// A list laid out as the main window's: the picks and a hidden column of sort texts.
void addPicksColumns(ResultsList& list)
{
    list.addColumn(QStringLiteral("Picks"));
    list.addColumn(QString());
    list.setColumnWidthTwips(2, 0);
    list.setSortKey(1);
}

void appendLabelled(ResultsList& list, const QStringList& keys, int firstLabel = 0)
{
    for (int i = 0; i < keys.size(); ++i)
        list.append(label(firstLabel + i), keys[i]);
}

QStringList labels(const QString& expected)
{
    QStringList texts;
    for (const QChar c : expected)
        texts.append(QString(c));
    return texts;
}

// Shows the list with every appended row merged into the view.
void showList(ResultsList& list)
{
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QTRY_COMPARE(list.model().rowCount(), list.rowCount());
}

}  // namespace

class TestResultsList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnsHaveHeadersAndTwipWidths();
    void pendingRowsReachTheViewWhenTheEventLoopRuns();
    void positionsOutsideTheListFail();
    void textTooLongForItsRecordFails();
    void removeAtMovesLaterRowsUp_data();
    void removeAtMovesLaterRowsUp();
    void rowsStandInSortedOrder_data();
    void rowsStandInSortedOrder();
    void changingTheSortKeyReorders();
    void clearKeepsColumns();
    void modelStaysConsistent();
    void manyEqualPicks();
    void matchesReferenceList_data();
    void matchesReferenceList();
    void selectionFollowsItsRow_data();
    void selectionFollowsItsRow();
    void selectedRowFollowsAClick();
    void doubleClickEmits_data();
    void doubleClickEmits();
    void keysEmitAndStillNavigate_data();
    void keysEmitAndStillNavigate();
    void longRowIsShownCut();
    void longRowsDrawAsTheWholeTextDoes();
};

void TestResultsList::columnsHaveHeadersAndTwipWidths()
{
    ResultsList list;
    addPicksColumns(list);
    list.setColumnWidthTwips(1, 3000);
    QCOMPARE(list.columnCount(), 2);
    QCOMPARE(list.columnHeader(1), QStringLiteral("Picks"));
    QCOMPARE(list.model().headerData(0, Qt::Horizontal).toString(), QStringLiteral("Picks"));
    QCOMPARE(list.columnWidth(0), 200);
    QVERIFY(list.isColumnHidden(1));
    list.setColumnWidthTwips(2, 1500);
    QVERIFY(!list.isColumnHidden(1));
    QCOMPARE(list.columnWidth(1), 100);
}

void TestResultsList::pendingRowsReachTheViewWhenTheEventLoopRuns()
{
    ResultsList list;
    addPicksColumns(list);
    list.append(QStringLiteral("3 12 23"), QStringLiteral("03 12 23"));
    list.append(QStringLiteral("1 2 3"));
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.model().rowCount(), 0);
    QVERIFY(list.containsItemText(QStringLiteral("1 2 3")));
    QTRY_COMPARE(list.model().rowCount(), 2);
    QCOMPARE(list.model().index(0, 1).data().toString(), QStringLiteral("03 12 23"));

    list.append(QStringLiteral("4 5 6"), QStringLiteral("04 05 06"));
    QCOMPARE(list.itemText(3), QStringLiteral("4 5 6"));
    QCOMPARE(list.subItemText(3, 1), QStringLiteral("04 05 06"));
    QCOMPARE(list.subItemText(2, 1), QString());
    QCOMPARE(list.subItemText(3, 2), QString());
    QCOMPARE(list.model().rowCount(), 3);
}

// A row's record holds an item text of up to 256 MB; a longer one counts as out of memory
// before the store changes or reads it.
void TestResultsList::textTooLongForItsRecordFails()
{
    results_list::RowStore store;
    const char digit = '1';
    QVERIFY_THROWS_EXCEPTION(std::bad_alloc,
                             store.add(QByteArrayView(&digit, qsizetype(1) << 28), {}));
    QCOMPARE(store.idCount(), 0);
    QCOMPARE(store.itemText(store.add(QByteArrayView(&digit, 1), {})), QByteArrayView("1"));
}

void TestResultsList::positionsOutsideTheListFail()
{
    ResultsList list;
    addPicksColumns(list);
    appendLabelled(list, {QStringLiteral("1"), QStringLiteral("2")});
    QVERIFY_THROWS_EXCEPTION(core::RuntimeFailure, list.itemText(0));
    QVERIFY_THROWS_EXCEPTION(core::RuntimeFailure, list.itemText(3));
    QVERIFY_THROWS_EXCEPTION(core::RuntimeFailure, list.subItemText(3, 1));
    QVERIFY_THROWS_EXCEPTION(core::RuntimeFailure, list.removeAt(0));
    QVERIFY_THROWS_EXCEPTION(core::RuntimeFailure, list.columnHeader(3));
    QCOMPARE(list.rowCount(), 2);
}

void TestResultsList::removeAtMovesLaterRowsUp_data()
{
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QStringList>("expected");
    const QStringList rest{"a", "b", "d", "e"};
    QTest::newRow("middle row") << false << 3 << rest;
    QTest::newRow("middle row of a sorted list") << true << 3 << rest;
    QTest::newRow("first row") << false << 1 << QStringList{"b", "c", "d", "e"};
    QTest::newRow("last row") << false << 5 << QStringList{"a", "b", "c", "d"};
}

void TestResultsList::removeAtMovesLaterRowsUp()
{
    QFETCH(bool, sorted);
    QFETCH(int, removed);
    QFETCH(QStringList, expected);
    ResultsList list;
    addPicksColumns(list);
    list.setSorted(sorted);
    appendLabelled(list, {"1", "2", "3", "4", "5"});
    list.removeAt(removed);
    QCOMPARE(itemTexts(list), expected);
    QCOMPARE(shownTexts(list.model()), expected);
    QVERIFY(!list.containsItemText(label(removed - 1)));
}

// Each row's keys are appended in turn (labelled a, b, c ...); sorting is switched on
// before the append numbered sortOnAt and off before the one numbered sortOffAt (-1: never;
// the number of keys: after the last append).
void TestResultsList::rowsStandInSortedOrder_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("sortOnAt");
    QTest::addColumn<int>("sortOffAt");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lower key goes first") << QStringList{"05", "03"} << 0 << -1 << "ba";
    QTest::newRow("ties keep insertion order")
        << QStringList{"07", "03", "07", "03"} << 0 << -1 << "bdac";
    QTest::newRow("text order, not numeric") << QStringList{"05 99", "05 100"} << 0 << -1 << "ba";
    QTest::newRow("prefix first") << QStringList{"05 1", "05"} << 0 << -1 << "ba";
    QTest::newRow("ASCII letters ignore case")
        << QStringList{"b", "A", "a", "B"} << 0 << -1 << "bcad";
    QTest::newRow("non-ASCII after ASCII") << QStringList{"\u00e9", "z", "e"} << 0 << -1 << "cba";
    QTest::newRow("non-ASCII letters keep case")
        << QStringList{"\u00e9", "\u00c9"} << 0 << -1 << "ba";
    QTest::newRow("switching on orders existing rows")
        << QStringList{"3", "1", "2"} << 3 << -1 << "bca";
    QTest::newRow("switching on keeps equal keys in their order")
        << QStringList{"2", "1", "2", "1"} << 4 << -1 << "bdac";
    QTest::newRow("switching on ignores ASCII case") << QStringList{"X1", "x0"} << 2 << -1 << "ba";
    QTest::newRow("switching on puts a prefix first")
        << QStringList{"05 1", "05"} << 2 << -1 << "ba";
    QTest::newRow("switching on compares past sixteen and twenty-four bytes") << QStringList{
        "01 02 03 04 05 07 09", "01 02 03 04 05 06 10", "01 02 03 04 05 06 09 11 12",
        "01 02 03 04 05 06 09 10 13"} << 4 << -1 << "dcba";
    QTest::newRow("rows appended after switching on take their places")
        << QStringList{"3", "1", "4", "2", "0"} << 2 << -1 << "ebdac";
    QTest::newRow("unsorted rows keep append order")
        << QStringList{"3", "1", "2"} << -1 << -1 << "abc";
    QTest::newRow("switching off keeps places, appends go to the end")
        << QStringList{"3", "1", "2"} << 0 << 2 << "bac";
}

// Runs each case twice: once with all appends merged in one batch, once with the event
// loop merging after every append.
void TestResultsList::rowsStandInSortedOrder()
{
    QFETCH(QStringList, keys);
    QFETCH(int, sortOnAt);
    QFETCH(int, sortOffAt);
    QFETCH(QString, expected);
    const QStringList expectedLabels = labels(expected);

    for (const bool mergeEachRow : {false, true}) {
        ResultsList list;
        addPicksColumns(list);
        for (int i = 0; i <= keys.size(); ++i) {
            if (i == sortOnAt)
                list.setSorted(true);
            if (i == sortOffAt)
                list.setSorted(false);
            if (i == keys.size())
                break;
            list.append(label(i), keys[i]);
            if (mergeEachRow)
                QTRY_COMPARE(list.model().rowCount(), i + 1);
        }
        QTRY_COMPARE(shownTexts(list.model()), expectedLabels);
        QCOMPARE(itemTexts(list), expectedLabels);
    }
}

// Equal keys keep the order they stood in, which after the first sort is no longer the
// order they were appended in.
void TestResultsList::changingTheSortKeyReorders()
{
    ResultsList list;
    addPicksColumns(list);
    list.append(QStringLiteral("b"), QStringLiteral("1"));
    list.append(QStringLiteral("a"), QStringLiteral("3"));
    list.append(QStringLiteral("c"), QStringLiteral("2"));
    list.append(QStringLiteral("A"), QStringLiteral("0"));
    list.setSorted(true);
    QCOMPARE(itemTexts(list), (QStringList{"A", "b", "c", "a"}));
    list.setSortKey(0);
    QCOMPARE(itemTexts(list), (QStringList{"A", "a", "b", "c"}));
}

void TestResultsList::clearKeepsColumns()
{
    ResultsList list;
    addPicksColumns(list);
    appendLabelled(list, {"1", "2", "3"});
    QTRY_COMPARE(list.model().rowCount(), 3);
    list.append(QStringLiteral("pending"));
    list.clear();
    QCOMPARE(list.rowCount(), 0);
    QCOMPARE(list.model().rowCount(), 0);
    QCOMPARE(list.columnCount(), 2);
    QCOMPARE(list.columnHeader(1), QStringLiteral("Picks"));
    QVERIFY(list.isColumnHidden(1));
    QVERIFY(!list.containsItemText(QStringLiteral("a")));
    QVERIFY(!list.containsItemText(QStringLiteral("pending")));
    list.append(QStringLiteral("x"), QStringLiteral("9"));
    QCOMPARE(itemTexts(list), QStringList{"x"});
}

// Drives appends (merged by the event loop and by reads), scattered sorted merges with a
// selection, removals, sort switches and clears past Qt's model checker.
void TestResultsList::modelStaysConsistent()
{
    ResultsList list;
    QAbstractItemModelTester tester(&list.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    addPicksColumns(list);
    for (int i = 0; i < 40; ++i)
        list.append(QString::number(i), QString::number((i * 7) % 40).rightJustified(2, u'0'));
    QTRY_COMPARE(list.model().rowCount(), 40);
    list.selectRow(5);
    list.setSorted(true);
    for (int i = 40; i < 60; ++i)
        list.append(QString::number(i), QString::number((i * 13) % 50).rightJustified(2, u'0'));
    QTRY_COMPARE(list.model().rowCount(), 60);
    list.removeAt(1);
    list.removeAt(59);
    list.setSortKey(0);
    list.setSorted(false);
    list.append(QStringLiteral("last"));
    QCOMPARE(list.itemText(list.rowCount()), QStringLiteral("last"));
    list.clear();
    list.append(QStringLiteral("again"));
    QTRY_COMPARE(list.model().rowCount(), 1);
}

// A random run of appends, removals, sort switches, clears and snapshots, checked against a
// plain list: containsItemText() against exact comparison after every step, the rows and
// their order at checkpoints, and the last snapshot against the list as it was when taken.
// Texts come from a small set with case variants, so duplicates and case-only differences
// are frequent. The first growRows steps only append.
void TestResultsList::matchesReferenceList_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<bool>("startSorted");
    QTest::addColumn<int>("growRows");
    QTest::addColumn<int>("steps");
    // append, remove, switch sorting, clear, snapshot, lay out
    QTest::addColumn<QList<double>>("weights");
    QTest::newRow("unsorted") << 1u << false << 0 << 3000 << QList<double>{5, 3, 0, 0.02};
    QTest::newRow("sorted past several blocks")
        << 2u << true << 2500 << 2000 << QList<double>{5, 2, 0, 0};
    QTest::newRow("sorting switched") << 3u << false << 0 << 3000 << QList<double>{5, 3, 0.3, 0.02};
    QTest::newRow("sorted batches splitting blocks in the middle")
        << 6u << true << 12000 << 500 << QList<double>{5, 1, 0, 0};
    QTest::newRow("removals after growth")
        << 4u << true << 3000 << 3000 << QList<double>{1, 4, 0, 0};
    QTest::newRow("snapshots kept while the list changes")
        << 5u << false << 0 << 4000 << QList<double>{5, 4, 0.3, 0.01, 0.05};
    QTest::newRow("texts laid out again in list order")
        << 7u << true << 2000 << 3000 << QList<double>{5, 3, 0.2, 0.01, 0.05, 0.05};
}

void TestResultsList::matchesReferenceList()
{
    QFETCH(uint, seed);
    QFETCH(bool, startSorted);
    QFETCH(int, growRows);
    QFETCH(int, steps);
    QFETCH(QList<double>, weights);
    enum Step { Append, Remove, SwitchSorting, Clear, Snapshot, LayOut };

    std::mt19937 random(seed);
    std::discrete_distribution<int> pickStep(weights.begin(), weights.end());
    std::uniform_int_distribution<int> pickText(0, 299);
    const auto randomText = [&] {
        const int n = pickText(random);
        return QString::number(n % 150) + (n < 150 ? u'a' : u'A');
    };
    const auto keyLess = [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    };

    ResultsList list;
    addPicksColumns(list);
    list.setSorted(startSorted);
    QStringList reference;
    results_list::ListSnapshot snapshot = list.snapshot();
    QStringList snapshotReference;
    for (int step = 0; step < growRows + steps; ++step) {
        const int kind = step < growRows ? Append : pickStep(random);
        const bool sorted = list.model().isSorted();
        if (kind == Append) {
            const QString text = randomText();
            list.append(text, text);
            const auto place =
                sorted ? std::upper_bound(reference.begin(), reference.end(), text, keyLess)
                       : reference.end();
            reference.insert(place, text);
        } else if (kind == Remove && !reference.isEmpty()) {
            const int row = std::uniform_int_distribution<int>(1, int(reference.size()))(random);
            list.removeAt(row);
            reference.removeAt(row - 1);
        } else if (kind == SwitchSorting) {
            list.setSorted(!sorted);
            if (!sorted)
                std::stable_sort(reference.begin(), reference.end(), keyLess);
        } else if (kind == Clear) {
            list.clear();
            reference.clear();
        } else if (kind == Snapshot) {
            snapshot = list.snapshot();
            snapshotReference = reference;
        } else if (kind == LayOut) {
            list.model().mergePending();
            list.model().takeLayout(list.model().laidOutInListOrder());
        }
        const QString probe = randomText();
        QCOMPARE(list.containsItemText(probe), reference.contains(probe));
        if (step % 97 == 0)
            QCoreApplication::processEvents();
        if (step % 500 == 0) {
            QCOMPARE(itemTexts(list), reference);
            QCOMPARE(columnTexts(snapshot, 1), snapshotReference);
        }
    }
    QCOMPARE(itemTexts(list), reference);
    QCOMPARE(shownTexts(list.model()), reference);
    QCOMPARE(columnTexts(snapshot, 1), snapshotReference);
    QCOMPARE(columnTexts(snapshot, 2), snapshotReference);
}

// Rows a, b, c ... get the keys in turn; the view selects `selected` (0-based); then
// more rows arrive, or sorting is switched on.
void TestResultsList::selectionFollowsItsRow_data()
{
    QTest::addColumn<bool>("sortedFirst");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("laterKeys");
    QTest::addColumn<bool>("mergedByEventLoop");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<QString>("expected");
    const QStringList keys{"20", "40", "60"};
    const QStringList scattered{"10", "50", "30"};
    QTest::newRow("scattered rows merged by the event loop")
        << true << keys << 1 << scattered << true << 4 << "dafbec";
    QTest::newRow("scattered rows merged by a read")
        << true << keys << 1 << scattered << false << 4 << "dafbec";
    QTest::newRow("switching sorting on")
        << false << QStringList{"60", "20", "40"} << 0 << QStringList() << false << 3 << "bca";
}

void TestResultsList::selectionFollowsItsRow()
{
    QFETCH(bool, sortedFirst);
    QFETCH(QStringList, keys);
    QFETCH(int, selected);
    QFETCH(QStringList, laterKeys);
    QFETCH(bool, mergedByEventLoop);
    QFETCH(int, selectedAfter);
    QFETCH(QString, expected);
    ResultsList list;
    addPicksColumns(list);
    list.setSorted(sortedFirst);
    appendLabelled(list, keys);
    QTRY_COMPARE(list.model().rowCount(), keys.size());
    list.selectRow(selected);
    const QString selectedText = list.itemText(selected + 1);

    appendLabelled(list, laterKeys, int(keys.size()));
    list.setSorted(true);
    if (mergedByEventLoop)
        QTRY_COMPARE(list.model().rowCount(), keys.size() + laterKeys.size());
    QCOMPARE(list.selectedRow(), selectedAfter);
    QCOMPARE(list.itemText(selectedAfter), selectedText);
    QCOMPARE(list.currentIndex().row(), selectedAfter - 1);
    QCOMPARE(itemTexts(list), labels(expected));
}

void TestResultsList::selectedRowFollowsAClick()
{
    ResultsList list;
    addPicksColumns(list);
    appendLabelled(list, {"1", "2", "3"});
    showList(list);
    QCOMPARE(list.selectedRow(), 0);
    const QRect second = list.visualRect(list.model().index(1, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(list.selectedRow(), 2);
    list.clearSelection();
    QCOMPARE(list.selectedRow(), 0);
}

void TestResultsList::doubleClickEmits_data()
{
    QTest::addColumn<bool>("onRow");
    QTest::newRow("on a row") << true;
    QTest::newRow("empty area below the rows") << false;
}

void TestResultsList::doubleClickEmits()
{
    QFETCH(bool, onRow);
    ResultsList list;
    addPicksColumns(list);
    appendLabelled(list, {"1", "2"});
    showList(list);
    const QPoint point = onRow ? list.visualRect(list.model().index(0, 0)).center()
                               : QPoint(10, list.viewport()->height() - 5);
    QSignalSpy spy(&list, &ResultsList::DblClick);
    testing::doubleClick(list.viewport(), point);
    QCOMPARE(spy.count(), 1);
}

void TestResultsList::keysEmitAndStillNavigate_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers() << 1;
    QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                  << 1;
    QTest::newRow("Down moves on") << int(Qt::Key_Down) << Qt::KeyboardModifiers() << 2;
    QTest::newRow("End goes to the last row") << int(Qt::Key_End) << Qt::KeyboardModifiers() << 3;
}

void TestResultsList::keysEmitAndStillNavigate()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, selectedAfter);
    ResultsList list;
    addPicksColumns(list);
    appendLabelled(list, {"1", "2", "3"});
    showList(list);
    list.setFocus();
    list.selectRow(0);
    QSignalSpy spy(&list, &ResultsList::KeyDown);
    QTest::keyClick(&list, Qt::Key(key), modifiers);
    QVERIFY(!spy.isEmpty());  // a modifier key held down reports first
    QCOMPARE(spy.last().at(0).toInt(), key);
    QCOMPARE(spy.last().at(1).value<Qt::KeyboardModifiers>(), modifiers);
    QCOMPARE(list.selectedRow(), selectedAfter);
}

// A run with duplicates allowed over a tiny range makes thousands of equal picks. They
// share one entry of the duplicate index, so appending them stays linear (one probe chain
// per pick would make this take minutes), and the index still answers right as they go.
void TestResultsList::manyEqualPicks()
{
    ResultsList list;
    addPicksColumns(list);
    const QString pick = QStringLiteral("1 1 1");
    for (int i = 0; i < 100000; ++i)
        list.append(pick, QStringLiteral("01 01 01"));
    list.append(QStringLiteral("1 1 2"), QStringLiteral("01 01 02"));
    QVERIFY(list.containsItemText(pick));
    // The equal rows go one by one, the first added (which names the shared entry) first.
    list.clear();
    for (int i = 0; i < 50; ++i)
        list.append(pick, QString());
    list.append(QStringLiteral("1 1 2"), QString());
    while (list.rowCount() > 2) {
        list.removeAt(1);
        QVERIFY(list.containsItemText(pick));
    }
    list.removeAt(1);
    QVERIFY(!list.containsItemText(pick));
    QVERIFY(list.containsItemText(QStringLiteral("1 1 2")));
    list.append(pick, QString());
    QVERIFY(list.containsItemText(pick));
}

// The view lays out only the start of a very long text (the whole text of a pick of
// millions of numbers would overflow the text engine); the program still reads it whole.
void TestResultsList::longRowIsShownCut()
{
    ResultsList list;
    addPicksColumns(list);
    const QString text(400000, u'\u20ac');  // three bytes each in UTF-8
    list.append(text, text);
    showList(list);
    QCOMPARE(list.model().index(0, 0).data().toString(), QString(2730, u'\u20ac') + u'\u2026');
    QCOMPARE(list.itemText(1), text);
}

// A long row is drawn from only the start of its text that the cell can show, with the
// same pixels as the whole text gives.
void TestResultsList::longRowsDrawAsTheWholeTextDoes()
{
    ResultsList list;
    addPicksColumns(list);
    QStringList numbers;
    for (int n = 1000; n < 1999; ++n)
        numbers << QString::number(n);
    for (const QString& text :
         {numbers.join(u' '), QString(5000, u'i'), QString(3000, u'\u200b') + numbers.join(u'-'),
          QStringLiteral("W\u0301 \U0001F600 \u05e9\u05dc\u05d5\u05dd ").repeated(500)})
        list.append(text, QString());
    showList(list);
    list.setColumnWidth(0, 250);
    list.selectRow(1);
    const QImage drawn = list.viewport()->grab().toImage();
    list.setItemDelegate(new QStyledItemDelegate(&list));
    QCOMPARE(list.viewport()->grab().toImage(), drawn);
}

QTEST_MAIN(TestResultsList)
#include "tst_resultslist.moc"
