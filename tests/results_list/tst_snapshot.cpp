#include "ResultsList.h"
#include "TestServices.h"

#include <QtTest>

// A snapshot keeps the list as it was, whatever the list does afterwards.
class TestSnapshot : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keepsRowsThroughLaterChanges();
    void laysRowsOutInListOrder();
    void longestCellSkipsRemovedRows();
};

void TestSnapshot::keepsRowsThroughLaterChanges()
{
    forms::ResultsList list;
    list.addColumn(QStringLiteral("Picks"));
    list.addColumn(QString());
    list.setSortKey(1);
    list.setSorted(true);
    list.append(QStringLiteral("7 8"), QStringLiteral("07 08"));
    list.append(QStringLiteral("1 \u00e9"), QStringLiteral("01 \u00e9"));
    const results_list::ListSnapshot snapshot = list.snapshot();

    list.append(QStringLiteral("0 1"), QStringLiteral("00 01"));
    list.removeAt(2);
    const results_list::ListSnapshot afterChanges = list.snapshot();
    list.clear();

    QCOMPARE(snapshot.columnCount(), 2);
    QCOMPARE(snapshot.columnHeader(1), QStringLiteral("Picks"));
    QCOMPARE(snapshot.columnHeader(2), QString());
    QCOMPARE(snapshot.rowCount(), 2);
    QCOMPARE(snapshot.cell(1, 1), QStringLiteral("1 \u00e9"));
    QCOMPARE(snapshot.cell(1, 2), QStringLiteral("01 \u00e9"));
    QCOMPARE(snapshot.cell(2, 1), QStringLiteral("7 8"));
    QCOMPARE(snapshot.cellUtf8(2, 2), QByteArrayView("07 08"));
    QCOMPARE(snapshot.cell(2, 3), QString());
    QCOMPARE(afterChanges.rowCount(), 2);
    QCOMPARE(afterChanges.cell(1, 1), QStringLiteral("0 1"));
    QCOMPARE(afterChanges.cell(2, 1), QStringLiteral("7 8"));
}

// A sorted list with a removed row, laid out again: the same rows in the same order, the
// removed row's text gone, the texts lying in list order.
void TestSnapshot::laysRowsOutInListOrder()
{
    testing::TestServices services;  // laying out yields now and then
    forms::ResultsList list;
    list.addColumn(QStringLiteral("Picks"));
    list.addColumn(QString());
    list.setSortKey(1);
    list.setSorted(true);
    for (const char* pick : {"30", "4", "200", "15", "7"})
        list.append(QString::fromLatin1(pick), QString::fromLatin1(pick).rightJustified(3, u'0'));
    list.removeAt(2);  // "007"
    const results_list::ListSnapshot stored = list.snapshot();
    const results_list::ListSnapshot laidOut = stored.inListOrder([] {});
    QCOMPARE(laidOut.rowCount(), 4);
    QVERIFY(laidOut.storedInListOrder());
    for (qsizetype row = 1; row <= 4; ++row) {
        QCOMPARE(laidOut.cell(row, 1), stored.cell(row, 1));
        QCOMPARE(laidOut.cell(row, 2), stored.cell(row, 2));
    }
    QCOMPARE(laidOut.cell(1, 1), QStringLiteral("4"));
    QCOMPARE(laidOut.cell(4, 2), QStringLiteral("200"));
    QCOMPARE(laidOut.columnHeader(1), QStringLiteral("Picks"));
    const results_list::ListSnapshot firstColumn = stored.inListOrder([] {}, 1);
    QCOMPARE(firstColumn.cell(4, 1), QStringLiteral("200"));
    QCOMPARE(firstColumn.cell(4, 2), QString());
}

// A removed row's texts stay in storage until it is packed again, but never widen a
// column.
void TestSnapshot::longestCellSkipsRemovedRows()
{
    forms::ResultsList list;
    list.addColumn(QStringLiteral("Picks"));
    for (const char* pick : {"1 2", "10 20 30", "4 5"})
        list.append(QString::fromLatin1(pick));
    list.removeAt(2);
    QCOMPARE(list.snapshot().longestCell(1, [] {}), 3);
}

QTEST_MAIN(TestSnapshot)
#include "tst_snapshot.moc"
