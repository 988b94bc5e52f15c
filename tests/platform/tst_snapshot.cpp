#include "ResultsList.h"

#include <QtTest>

// A snapshot keeps the list as it was, whatever the list does afterwards.
class TestSnapshot : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keepsRowsThroughLaterChanges();
};

void TestSnapshot::keepsRowsThroughLaterChanges()
{
    platform::ResultsList list;
    list.addColumn(QStringLiteral("Picks"));
    list.addColumn(QString());
    list.setSortKey(1);
    list.setSorted(true);
    list.append(QStringLiteral("7 8"), QStringLiteral("07 08"));
    list.append(QStringLiteral("1 \u00e9"), QStringLiteral("01 \u00e9"));
    const platform::ListSnapshot snapshot = list.snapshot();

    list.append(QStringLiteral("0 1"), QStringLiteral("00 01"));
    list.removeAt(2);
    const platform::ListSnapshot afterChanges = list.snapshot();
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

QTEST_MAIN(TestSnapshot)
#include "tst_snapshot.moc"
