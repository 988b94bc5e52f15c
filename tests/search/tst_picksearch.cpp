#include "ListSnapshot.h"
#include "PickSearch.h"
#include "ResultsList.h"
#include "SearchLimit.h"

#include <QHeaderView>
#include <QtTest>

namespace {

// A snapshot of a main list holding `rows`.
results_list::ListSnapshot snapshotOf(const QStringList& rows)
{
    forms::ResultsList list;
    list.addColumn(QStringLiteral("Picks"));
    list.addColumn(QString());
    for (const QString& row : rows)
        list.append(row, QStringLiteral("sort text never searched 5"));
    return list.snapshot();
}

QStringList itemTexts(const forms::ResultsList& list)
{
    QStringList texts;
    for (int row = 1; row <= list.rowCount(); ++row)
        texts << list.itemText(row);
    return texts;
}

}  // namespace

class TestPickSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void terms_data();
    void terms();
    void search_data();
    void search();
    void removedAndSortedRows();
    void findsMustFit_data();
    void findsMustFit();
};

void TestPickSearch::terms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("terms");
    QTest::newRow("one term") << "3 23" << QStringList{QStringLiteral("3 23")};
    QTest::newRow("two terms") << "3 23,7"
                               << QStringList{QStringLiteral("3 23"), QStringLiteral("7")};
    QTest::newRow("space kept") << "3, 7" << QStringList{QStringLiteral("3"), QStringLiteral(" 7")};
    QTest::newRow("trailing comma") << "3," << QStringList{QStringLiteral("3"), QString()};
    QTest::newRow("only commas") << ",," << QStringList{QString(), QString(), QString()};
}

void TestPickSearch::terms()
{
    QFETCH(QString, text);
    QFETCH(QStringList, terms);
    QCOMPARE(search::searchTerms(text), terms);
}

void TestPickSearch::search_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("results");
    const QStringList three = {QStringLiteral("5 12 33"), QStringLiteral("15 20 41"),
                               QStringLiteral("1 2 3")};
    QTest::newRow("5 in two picks") << three << "5" << QStringList{three[0], three[1]};
    QTest::newRow("one row per matching term")
        << three << "5,12" << QStringList{three[0], three[0], three[1]};
    QTest::newRow("term with leading space")
        << QStringList{QStringLiteral("5 12 33"), QStringLiteral("12 20 41")} << "5, 12"
        << QStringList{QStringLiteral("5 12 33"), QStringLiteral("5 12 33")};
    QTest::newRow("empty term matches every row")
        << three << "5," << QStringList{three[0], three[0], three[1], three[1], three[2]};
    QTest::newRow("empty term in an empty row")
        << QStringList{QString()} << "" << QStringList{QString()};
    QTest::newRow("space matches picks with a space")
        << QStringList{QStringLiteral("7"), QStringLiteral("1 2")} << " "
        << QStringList{QStringLiteral("1 2")};
    QTest::newRow("a term is text, not a number")
        << QStringList{QStringLiteral("13 24 35"), QStringLiteral("3 8 9"), QStringLiteral("4 6 8")}
        << "3" << QStringList{QStringLiteral("13 24 35"), QStringLiteral("3 8 9")};
    QTest::newRow("3 2 inside 3 21") << QStringList{QStringLiteral("3 21 40")} << "3 2"
                                     << QStringList{QStringLiteral("3 21 40")};
    QTest::newRow("separators are not normalised")
        << QStringList{QStringLiteral("3-21-40")} << "3 21" << QStringList();
    QTest::newRow("letters ignore case") << QStringList{QStringLiteral("ABC  3 8 9")} << "abc"
                                         << QStringList{QStringLiteral("ABC  3 8 9")};
    QTest::newRow("non-ASCII letters ignore case")
        << QStringList{QStringLiteral("\u00c9t\u00e9  1 2"), QStringLiteral("ete  1 2")}
        << QStringLiteral("\u00c9T\u00c9") << QStringList{QStringLiteral("\u00c9t\u00e9  1 2")};
    QTest::newRow("ASCII term in a non-ASCII row")
        << QStringList{QStringLiteral("\u00c9  1 22")} << "22"
        << QStringList{QStringLiteral("\u00c9  1 22")};
    QTest::newRow("term longer than row")
        << QStringList{QStringLiteral("1 2")} << "1 2 3" << QStringList();
    QTest::newRow("match at the very end")
        << QStringList{QStringLiteral("1 2 39")} << "39" << QStringList{QStringLiteral("1 2 39")};
    QTest::newRow("sort text is not searched") << three << "sort" << QStringList();
    QTest::newRow("no rows") << QStringList() << "5" << QStringList();
    QTest::newRow("more terms in a row than a byte counts")
        << QStringList{QStringLiteral("1 2"), QStringLiteral("3")}
        << QStringList(300, QStringLiteral("1")).join(u',')
        << QStringList(300, QStringLiteral("1 2"));
    QStringList many;  // enough rows for the search to be shared between threads
    QStringList manyFound;
    for (int i = 0; i < 140000; ++i) {
        many << QString::number(i);
        for (const char* term : {"7", "139", ""})
            manyFound << QStringList(many.last().contains(QLatin1String(term)), many.last());
    }
    QTest::newRow("rows enough for several threads") << many << "7,139," << manyFound;
    QTest::newRow("long terms; no find across a row's end")
        << QStringList{QString(40, u'7') + QStringLiteral("  1"), QStringLiteral("ab7"),
                       QString(40, u'A') + QStringLiteral("  2"), QStringLiteral("xAB")}
        << QString(40, u'7') + QStringLiteral(",7s,5ab,") + QString(40, u'a')
               + QStringLiteral(",Ab")
        << QStringList{QString(40, u'7') + QStringLiteral("  1"), QStringLiteral("ab7"),
                       QString(40, u'A') + QStringLiteral("  2"), QStringLiteral("xAB")};
}

void TestPickSearch::search()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, text);
    QFETCH(QStringList, results);
    // The finds appended as the search window appends them: onto an empty list, then onto
    // the same list again, then a find of other picks; the view sees every row.
    const results_list::ListSnapshot snapshot = snapshotOf(rows);
    search::FindCount counted;
    const search::Finds finds = *search::findPicks(snapshot, search::searchTerms(text),
                                                   [&](const search::FindCount& count) {
                                                       counted = count;
                                                       return true;
                                                   });
    // The finds are counted, with their texts, before they are listed.
    QCOMPARE(counted.textBytes, results.join(QString()).toUtf8().size());
    forms::ResultsList list(nullptr, results_list::DuplicateIndex::None);
    list.addColumn(QStringLiteral("Results"));
    list.appendItems(snapshot, finds);
    QCOMPARE(itemTexts(list), results);
    list.appendItems(snapshot, finds);
    const results_list::ListSnapshot other = snapshotOf({QStringLiteral("other")});
    list.appendItems(other, *search::findPicks(other, search::searchTerms(QStringLiteral("o"))));
    QCOMPARE(itemTexts(list), results + results + QStringList(QStringLiteral("other")));
    QCOMPARE(list.verticalHeader()->count(), 2 * results.size() + 1);
}

// Rows removed before the search are not found, and finds follow the list's order, not
// the order the rows were made in.
void TestPickSearch::removedAndSortedRows()
{
    forms::ResultsList list;
    list.addColumn(QStringLiteral("Picks"));
    list.addColumn(QString());
    list.setSortKey(1);
    list.setSorted(true);
    for (const char* pick : {"9 15", "1 5", "5 6", "3 4"})
        list.append(QString::fromLatin1(pick), QString::fromLatin1(pick).rightJustified(5, u'0'));
    list.removeAt(3);  // "5 6"
    const results_list::ListSnapshot snapshot = list.snapshot();
    QStringList out;
    const search::Finds finds =
        *search::findPicks(snapshot, search::searchTerms(QStringLiteral("5")));
    for (const quint32 row : finds)
        out << snapshot.cell(row, 1);
    QCOMPARE(out, (QStringList{QStringLiteral("1 5"), QStringLiteral("9 15")}));

    forms::ResultsList results(nullptr, results_list::DuplicateIndex::None);
    results.addColumn(QStringLiteral("Results"));
    results.append(QStringLiteral("first"));
    results.appendItems(snapshot,
                        *search::findPicks(snapshot, search::searchTerms(QStringLiteral("5,1"))));
    QCOMPARE(results.rowCount(), 5);
    QCOMPARE(results.itemText(1), QStringLiteral("first"));
    QCOMPARE(results.itemText(2), QStringLiteral("1 5"));
    QCOMPARE(results.itemText(3), QStringLiteral("1 5"));
    QCOMPARE(results.itemText(4), QStringLiteral("9 15"));
    QCOMPARE(results.itemText(5), QStringLiteral("9 15"));
    QCOMPARE(results.subItemText(5, 1), QString());
}

void TestPickSearch::findsMustFit_data()
{
    QTest::addColumn<qint64>("heldRows");
    QTest::addColumn<qint64>("finds");
    QTest::addColumn<qint64>("textBytes");  // of each pick
    QTest::addColumn<bool>("fits");
    QTest::newRow("ten million finds") << 0LL << 10000000LL << 17LL << true;
    QTest::newRow("3,001 finds of each of 32,000 picks") << 0LL << 96032000LL << 17LL << false;
    QTest::newRow("added to 14 million") << 14000000LL << 64000LL << 17LL << true;
    QTest::newRow("added past the limit") << 14000000LL << 1600000LL << 17LL << false;
    QTest::newRow("64,000 finds, long prefixes") << 0LL << 64000LL << 32784LL << false;
}

// A search is refused when the results list, with the rows the search finds, would take
// more memory than allowed.
void TestPickSearch::findsMustFit()
{
    QFETCH(qint64, heldRows);
    QFETCH(qint64, finds);
    QFETCH(qint64, textBytes);
    QFETCH(bool, fits);
    const search::SearchSize size{heldRows, heldRows * textBytes, {finds, finds * textBytes}};
    QCOMPARE(search::findsFit(size), fits);
    // The refusal names the rows already held when they are part of what is too large.
    QCOMPARE(search::tooManyFindsMessage(size).contains(QStringLiteral("already holds")),
             heldRows > 0);
}

QTEST_MAIN(TestPickSearch)
#include "tst_picksearch.moc"
