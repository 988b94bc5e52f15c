#include "CheckBox.h"
#include "Form1.h"
#include "MousePointer.h"
#include "ProgramEnd.h"
#include "ResultsList.h"
#include "RowCost.h"
#include "RunLimit.h"
#include "TestServices.h"
#include "WindowDriving.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <initializer_list>
#include <numeric>
#include <random>
#include <vector>

namespace {

const QString kDone = QStringLiteral("Done.");
const QString kTooFewUnique = QStringLiteral(
    "Number Of Numbers - Number must be less or equal than range with unique numbers in a pick.");

struct Fields {
    QString lowest = QStringLiteral("1");
    QString highest = QStringLiteral("42");
    QString picks = QStringLiteral("10");
    QString perPick = QStringLiteral("6");
};

// The main window with the test doubles behind it, its fields filled and every option
// as given (1 to 5; true is ticked).
struct Window {
    testing::TestServices services;
    Form1 form;

    void fill(const Fields& fields)
    {
        form.Text1->setText(fields.lowest);
        form.Text2->setText(fields.highest);
        form.Text3->setText(fields.picks);
        form.Text4->setText(fields.perPick);
    }
    void options(std::initializer_list<bool> on)
    {
        QCheckBox* const boxes[] = {form.Check1, form.Check2, form.Check3, form.Check4,
                                    form.Check5};
        int i = 0;
        for (const bool tick : on)
            boxes[i++]->setChecked(tick);
    }
    // Scripts the random source so the next draws give these numbers of the range.
    void draws(int lowest, int highest, const std::vector<int>& numbers)
    {
        const double span = double(highest) - lowest + 1;
        for (const int n : numbers)
            services.random.values.push_back((double(n) - lowest + 0.5) / span);
    }
    void start() { form.PushButton2->click(); }
    QStringList rows() const { return testing::rowsOf(*form.ListView1); }
    QStringList sortTexts() const
    {
        QStringList out;
        for (int r = 1; r <= form.ListView1->rowCount(); ++r)
            out << form.ListView1->subItemText(r, 1);
        return out;
    }
    QStringList messages() const { return services.messageBox.texts(); }
    const generation::GenerationParameters& parameters()
    {
        return form.generateCommand().lotto().parameters();
    }
};

// The in-pick sort as passes of a bubble sort, each a place shorter than the last, ending
// after a pass without a swap.
std::vector<int> bubbleSorted(std::vector<int> numbers)
{
    bool swapped = true;
    for (std::size_t end = numbers.size(); swapped && end > 1; --end) {
        swapped = false;
        for (std::size_t k = 0; k + 1 < end; ++k) {
            if (numbers[k + 1] < numbers[k]) {
                std::swap(numbers[k], numbers[k + 1]);
                swapped = true;
            }
        }
    }
    return numbers;
}

}  // namespace

class TestGenerate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void validation_data();
    void validation();
    void messagesUseTheApplicationTitle();
    void invalidRangeComesAfterHourglass();
    void pickCountBelowOneMakesOnePick_data();
    void pickCountBelowOneMakesOnePick();
    void halfPickCountRoundsUp();
    void roundingOfTheRange_data();
    void roundingOfTheRange();
    void smallRangeWithDuplicatesDropped();
    void duplicatesAcrossRunsAndOptions();
    void duplicatesKeptWhenAllowed();
    void sortedListMergesRuns();
    void unsortedListKeepsOrderMade();
    void sortTextPutsHundredBeforeNinetyNine();
    void negativeRanges_data();
    void negativeRanges();
    void widestRangeDrawsBothEnds();
    void repeatsOnlyWithoutNoRepeatOption();
    void sortGivesTheBubbleSortsPick_data();
    void sortGivesTheBubbleSortsPick();
    void equalBoundsGiveThatNumber();
    void noRepeatSwitchedOnMidPickRedoesPick();
    void noRepeatSwitchedOnForTooSmallRangeEndsRun();
    void secondPressDuringRunIsIgnored();
    void closingDuringRunEndsAtOnce();
    void hourglassDuringRun();
    void longSortLetsEventsIn();
    void failureEndsTheCommand_data();
    void failureEndsTheCommand();
    void runSize_data();
    void runSize();
    void outOfMemoryMidRunEndsIt();
    void everyOptionCombination_data();
    void everyOptionCombination();
};

void TestGenerate::validation_data()
{
    QTest::addColumn<QString>("lowest");
    QTest::addColumn<QString>("highest");
    QTest::addColumn<QString>("picks");
    QTest::addColumn<QString>("perPick");
    QTest::addColumn<bool>("noRepeat");
    QTest::addColumn<QString>("message");
    const QString notNumberPicks = QStringLiteral("How Many Pics - Not a number");
    const QString tooMany = QStringLiteral("How Many Picks - Please keep to less than 32,000.");
    const QString notNumberPerPick = QStringLiteral("Number Of Numbers - Not a number");
    const QString atLeastOne = QStringLiteral("Number Of Numbers - Number must be at least 1.");
    QTest::newRow("picks empty") << "1"
                                 << "42"
                                 << ""
                                 << "6" << true << notNumberPicks;
    QTest::newRow("picks letters, per pick letters: first check only")
        << "1"
        << "42"
        << "abc"
        << "x" << true << notNumberPicks;
    QTest::newRow("picks 32000") << "1"
                                 << "42"
                                 << "32000"
                                 << "6" << true << tooMany;
    QTest::newRow("picks 32000 before per pick check") << "1"
                                                       << "42"
                                                       << "32000"
                                                       << "abc" << true << tooMany;
    QTest::newRow("per pick empty") << "1"
                                    << "42"
                                    << "10"
                                    << "" << true << notNumberPerPick;
    QTest::newRow("per pick 0") << "1"
                                << "42"
                                << "10"
                                << "0" << false << atLeastOne;
    QTest::newRow("per pick 0.5 rounds to 0") << "1"
                                              << "42"
                                              << "10"
                                              << "0.5" << false << atLeastOne;
    QTest::newRow("per pick negative") << "1"
                                       << "42"
                                       << "10"
                                       << "-3" << true << atLeastOne;
    QTest::newRow("at least 1 before the range check") << "1"
                                                       << "0"
                                                       << "10"
                                                       << "0" << true << atLeastOne;
    QTest::newRow("7 of 1..6 without repeats") << "1"
                                               << "6"
                                               << "10"
                                               << "7" << true << kTooFewUnique;
    // The bound on a run's memory comes after the checks of the fields.
    QTest::newRow("2,000,000 of 1..42 without repeats") << "1"
                                                        << "42"
                                                        << "10"
                                                        << "2000000" << true << kTooFewUnique;
    QTest::newRow("6,000 of 1..42 in 31,999 picks without repeats")
        << "1"
        << "42"
        << "31999"
        << "6000" << true << kTooFewUnique;
    QTest::newRow("rounded range too small") << "1.5"
                                             << "2.5"
                                             << "10"
                                             << "2" << true << kTooFewUnique;
    QTest::newRow("6 of 1..6 without repeats") << "1"
                                               << "6"
                                               << "1"
                                               << "6" << true << kDone;
    QTest::newRow("7 of 1..6 with repeats") << "1"
                                            << "6"
                                            << "1"
                                            << "7" << false << kDone;
    QTest::newRow("per pick 0.6 rounds to 1") << "1"
                                              << "42"
                                              << "1"
                                              << "0.6" << false << kDone;
    QTest::newRow("lowest above highest")
        << "10"
        << "1"
        << "10"
        << "6" << false << QStringLiteral("Invalid range of numbers entered.");
}

void TestGenerate::validation()
{
    QFETCH(QString, lowest);
    QFETCH(QString, highest);
    QFETCH(QString, picks);
    QFETCH(QString, perPick);
    QFETCH(bool, noRepeat);
    QFETCH(QString, message);
    Window w;
    w.form.ListView1->append(QStringLiteral("b"), QStringLiteral("b"));
    w.form.ListView1->append(QStringLiteral("a"), QStringLiteral("a"));
    w.fill({lowest, highest, picks, perPick});
    w.options({true, true, true, noRepeat, false});
    w.start();
    QCOMPARE(w.messages().size(), 1);
    QVERIFY2(w.messages().first().startsWith(message), qPrintable(w.messages().first()));
    QCOMPARE(w.form.ListView1->rowCount(), message == kDone ? 3 : 2);
    if (message != kDone)  // a refused run leaves the list as it was, unsorted
        QCOMPARE(w.form.ListView1->itemText(1), QStringLiteral("b"));
    QCOMPARE(w.form.mousePointer(), int(forms::kDefaultPointer));
    QVERIFY(!w.form.generateCommand().generationRunning());
}

void TestGenerate::messagesUseTheApplicationTitle()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("1"), QStringLiteral("6")});
    w.start();
    w.form.Text3->clear();
    w.start();
    QCOMPARE(w.services.messageBox.boxes.size(), 2);
    for (const testing::ShownBox& box : std::as_const(w.services.messageBox.boxes)) {
        QCOMPARE(box.title, QStringLiteral("Numorra"));
        QCOMPARE(box.icon, platform::MsgIcon::None);
        QCOMPARE(box.buttons, platform::MsgButtons::Ok);
    }
}

void TestGenerate::invalidRangeComesAfterHourglass()
{
    Window w;
    w.fill({QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("6")});
    w.options({true, true, true, false, false});
    int pointerWhileShown = -1;
    w.services.messageBox.onShow = [&](const testing::ShownBox&) {
        pointerWhileShown = w.form.mousePointer();
    };
    w.start();
    QCOMPARE(pointerWhileShown, int(forms::kHourglassPointer));
    QCOMPARE(
        w.messages().first(),
        QStringLiteral("Invalid range of numbers entered. Lowest must be lowest, highest must be "
                       "highest. Please email support@numorra.example if you have any questions."));
    QCOMPARE(w.form.mousePointer(), int(forms::kDefaultPointer));
}

void TestGenerate::pickCountBelowOneMakesOnePick_data()
{
    QTest::addColumn<QString>("picks");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-5";
}

void TestGenerate::pickCountBelowOneMakesOnePick()
{
    QFETCH(QString, picks);
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("42"), picks, QStringLiteral("6")});
    w.start();
    QCOMPARE(w.form.ListView1->rowCount(), 1);
    QCOMPARE(w.messages(), QStringList{kDone});
}

void TestGenerate::halfPickCountRoundsUp()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("31999.5"),
            QStringLiteral("1")});
    w.options({true, false, false, true, false});
    w.start();
    QCOMPARE(w.parameters().picksMade, 32000);
    QCOMPARE(w.form.ListView1->rowCount(), 32000);
}

void TestGenerate::roundingOfTheRange_data()
{
    QTest::addColumn<QString>("lowest");
    QTest::addColumn<int>("lowestNumber");
    QTest::newRow("empty reads as 0") << "" << 0;
    QTest::newRow("1.5 rounds to 2") << "1.5" << 2;
    QTest::newRow("2.5 rounds to even 2") << "2.5" << 2;
    QTest::newRow("leading number of 12abc") << "12abc" << 12;
    QTest::newRow("letters read as 0") << "abc" << 0;
}

void TestGenerate::roundingOfTheRange()
{
    QFETCH(QString, lowest);
    QFETCH(int, lowestNumber);
    Window w;
    w.fill({lowest, QStringLiteral("42"), QStringLiteral("1"), QStringLiteral("6")});
    w.start();
    QCOMPARE(w.parameters().lowestNumber, lowestNumber);
    QCOMPARE(w.parameters().highestNumber, 42);
    QCOMPARE(w.messages(), QStringList{kDone});
}

void TestGenerate::smallRangeWithDuplicatesDropped()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("10"), QStringLiteral("3")});
    w.options({true, true, true, true, false});
    w.start();
    QCOMPARE(w.rows(), QStringList{QStringLiteral("1 2 3")});
    QCOMPARE(w.sortTexts(), QStringList{QStringLiteral("01 02 03")});
    QCOMPARE(w.parameters().picksMade, 10);
    QCOMPARE(w.messages(), QStringList{kDone});
}

// The duplicate test compares whole pick texts against every row, earlier runs included.
void TestGenerate::duplicatesAcrossRunsAndOptions()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3")});
    w.options({true, true, false, true, false});
    w.start();
    w.start();
    QCOMPARE(w.rows(), QStringList{QStringLiteral("1 2 3")});
    w.form.Check5->setChecked(true);
    w.start();
    w.form.Text5->setText(QStringLiteral("X"));
    w.start();
    w.form.Check5->setChecked(false);
    w.start();
    w.start();
    QCOMPARE(w.rows(), (QStringList{QStringLiteral("1 2 3"), QStringLiteral("1-2-3"),
                                    QStringLiteral("X  1-2-3"), QStringLiteral("X  1 2 3")}));
}

void TestGenerate::duplicatesKeptWhenAllowed()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("10"), QStringLiteral("3")});
    w.options({true, false, false, true, false});
    w.start();
    QCOMPARE(w.rows(), QStringList(10, QStringLiteral("1 2 3")));
}

void TestGenerate::sortedListMergesRuns()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("3"), QStringLiteral("1")});
    w.options({true, true, true, true, false});
    w.draws(1, 42, {30, 7, 12});
    w.start();
    w.draws(1, 42, {9, 40, 1});
    w.start();
    QCOMPARE(w.rows(),
             (QStringList{QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("9"),
                          QStringLiteral("12"), QStringLiteral("30"), QStringLiteral("40")}));
}

void TestGenerate::unsortedListKeepsOrderMade()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("3"), QStringLiteral("1")});
    w.options({true, true, false, true, false});
    w.draws(1, 42, {30, 7, 12});
    w.start();
    w.draws(1, 42, {9, 40, 1});
    w.start();
    QCOMPARE(w.rows(),
             (QStringList{QStringLiteral("30"), QStringLiteral("7"), QStringLiteral("12"),
                          QStringLiteral("9"), QStringLiteral("40"), QStringLiteral("1")}));
}

// Sorting is by the two-digit sort text, so it is numeric only up to two digits.
void TestGenerate::sortTextPutsHundredBeforeNinetyNine()
{
    Window w;
    w.fill({QStringLiteral("99"), QStringLiteral("100"), QStringLiteral("2"), QStringLiteral("1")});
    w.options({true, true, true, true, false});
    w.draws(99, 100, {99, 100});
    w.start();
    QCOMPARE(w.rows(), (QStringList{QStringLiteral("100"), QStringLiteral("99")}));
}

void TestGenerate::negativeRanges_data()
{
    QTest::addColumn<bool>("dashes");
    QTest::addColumn<QString>("pickText");
    QTest::addColumn<QString>("sortText");
    QTest::newRow("spaces") << false << "-5 -4 -3"
                            << "-05 -04 -03";
    QTest::newRow("dashes") << true << "-5--4--3"
                            << "-05--04--03";
}

void TestGenerate::negativeRanges()
{
    QFETCH(bool, dashes);
    QFETCH(QString, pickText);
    QFETCH(QString, sortText);
    Window w;
    w.fill({QStringLiteral("-5"), QStringLiteral("-3"), QStringLiteral("1"), QStringLiteral("3")});
    w.options({true, true, true, true, dashes});
    w.start();
    QCOMPARE(w.rows(), QStringList{pickText});
    QCOMPARE(w.sortTexts(), QStringList{sortText});
}

void TestGenerate::widestRangeDrawsBothEnds()
{
    Window w;
    w.fill({QStringLiteral("-2147483648"), QStringLiteral("2147483647"), QStringLiteral("1"),
            QStringLiteral("3")});
    w.options({true, true, true, true, false});
    w.services.random.values = {0.0, 0.5, 1.0 - 0x1.0p-53};
    w.start();
    QCOMPARE(w.rows(), QStringList{QStringLiteral("-2147483648 0 2147483647")});
    QCOMPARE(w.messages(), QStringList{kDone});
}

void TestGenerate::repeatsOnlyWithoutNoRepeatOption()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("3")});
    w.options({true, true, true, false, false});
    w.draws(1, 3, {3, 1, 1});
    w.start();
    QCOMPARE(w.rows(), QStringList{QStringLiteral("1 1 3")});
    w.form.Check4->setChecked(true);
    w.form.Check1->setChecked(false);
    w.draws(1, 3, {3, 3, 3, 1, 1, 2});
    w.start();
    QCOMPARE(w.rows().last(), QStringLiteral("3 1 2"));
}

void TestGenerate::sortGivesTheBubbleSortsPick_data()
{
    QTest::addColumn<bool>("repeats");
    QTest::newRow("repeats") << true;
    QTest::newRow("no repeats") << false;
}

// A pick of 300 random numbers from 1 to 300 is put in the order the bubble sort gives.
void TestGenerate::sortGivesTheBubbleSortsPick()
{
    QFETCH(bool, repeats);
    std::mt19937 random(repeats);
    std::vector<int> numbers(300);
    std::iota(numbers.begin(), numbers.end(), 1);
    if (repeats)
        std::generate(numbers.begin(), numbers.end(),
                      [&] { return std::uniform_int_distribution(1, 300)(random); });
    else
        std::shuffle(numbers.begin(), numbers.end(), random);
    Window w;
    w.fill(
        {QStringLiteral("1"), QStringLiteral("300"), QStringLiteral("1"), QStringLiteral("300")});
    w.options({true, false, false, false, false});
    w.draws(1, 300, numbers);
    w.start();
    QStringList expected;
    for (const int n : bubbleSorted(numbers))
        expected << QString::number(n);
    QCOMPARE(w.rows(), QStringList{expected.join(u' ')});
}

void TestGenerate::equalBoundsGiveThatNumber()
{
    Window w;
    w.fill({QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("3")});
    w.options({true, false, false, false, false});
    w.start();
    QCOMPARE(w.rows(), QStringList(2, QStringLiteral("5 5 5")));
}

// A pick that already holds a repeat when the no-repeat option comes on is abandoned and
// made afresh; the run still counts one pick.
void TestGenerate::noRepeatSwitchedOnMidPickRedoesPick()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("3")});
    w.options({false, false, false, false, false});
    w.draws(1, 3, {1, 1, 2, 3, 1, 2});
    // Before the third draw, with a repeat already in the pick.
    w.services.pump.when([&] { return w.services.random.draws == 2; },
                         [&] { w.form.Check4->setChecked(true); });
    w.start();
    QCOMPARE(w.rows(), QStringList{QStringLiteral("3 1 2")});
    QCOMPARE(w.parameters().picksMade, 1);
    QCOMPARE(w.messages(), QStringList{kDone});
}

void TestGenerate::noRepeatSwitchedOnForTooSmallRangeEndsRun()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("3")});
    w.options({true, false, false, false, false});
    w.services.pump.when([] { return true; }, [&] { w.form.Check4->setChecked(true); });
    w.start();
    QCOMPARE(w.messages().size(), 1);
    QVERIFY(w.messages().first().contains(
        QStringLiteral("in Drawsmith2021/08/31.Lotto.getNumbers at line 116")));
    QCOMPARE(w.services.messageBox.boxes.first().title, QStringLiteral("Application Error"));
    QCOMPARE(w.form.ListView1->rowCount(), 0);
    QCOMPARE(w.form.mousePointer(), int(forms::kDefaultPointer));
    QVERIFY(!w.form.generateCommand().generationRunning());
}

void TestGenerate::secondPressDuringRunIsIgnored()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("20"), QStringLiteral("6")});
    w.services.pump.when([&] { return w.form.ListView1->rowCount() == 2; }, [&] { w.start(); });
    w.start();
    QCOMPARE(w.parameters().picksMade, 20);
    QCOMPARE(w.form.ListView1->rowCount(), 20);
    QCOMPARE(w.messages(), QStringList{kDone});
}

void TestGenerate::closingDuringRunEndsAtOnce()
{
    Window w;
    w.form.show();
    w.fill(
        {QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("1000"), QStringLiteral("6")});
    w.services.pump.when([&] { return w.form.ListView1->rowCount() == 5; },
                         [&] { w.form.close(); });
    w.start();
    QVERIFY(platform::services().programEnding);
    QVERIFY(w.messages().isEmpty());
    QVERIFY(w.parameters().picksMade < 1000);
    QVERIFY(!w.form.isVisible());
}

void TestGenerate::hourglassDuringRun()
{
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("2"), QStringLiteral("6")});
    int pointer = -1;
    w.services.pump.when([&] { return w.services.random.draws == 1; },
                         [&] { pointer = w.form.mousePointer(); });
    w.start();
    QCOMPARE(pointer, int(forms::kHourglassPointer));
    QCOMPARE(w.form.mousePointer(), int(forms::kDefaultPointer));
}

// A long list made unsorted is sorted beside the window when a run turns sorting on: the
// event queue is yielded to before the sorted order is in, never after a freeze as long
// as the sort.
void TestGenerate::longSortLetsEventsIn()
{
    Window w;
    for (int i = 600000; i > 0; --i)
        w.form.ListView1->append(QString::number(i), QString::number(i).rightJustified(6, u'0'));
    w.fill({QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("1"), QStringLiteral("6")});
    w.options({true, false, true, true, false});
    bool sortedAtFirstYield = true;
    w.services.pump.when([] { return true; },
                         [&] { sortedAtFirstYield = w.form.ListView1->model().isSorted(); });
    w.start();
    QVERIFY(!sortedAtFirstYield);
    // The sorted rows' texts were laid out again in list order: the first row's come first.
    const results_list::ListSnapshot rows = w.form.ListView1->snapshot();
    QVERIFY(rows.cellUtf8(1, 1).data() < rows.cellUtf8(2, 1).data());
}

void TestGenerate::failureEndsTheCommand_data()
{
    QTest::addColumn<QStringList>("fields");  // lowest, highest, picks, per pick
    QTest::addColumn<QString>("message");     // how the one box begins
    const QString report =
        QStringLiteral("Overflow\r\nin Drawsmith2021/08/31.Form1.PushButton2_Click at line %1\r\r");
    const QString tooMany = QStringLiteral("Number Of Numbers - Please keep to less than %1.");
    const auto row = [](const char* name, const QStringList& fields) -> QTestData& {
        return QTest::newRow(name) << fields;
    };
    row("lowest 1e20", {"1e20", "42", "20", "6"}) << report.arg(126);
    row("highest -1e10", {"1", "-1e10", "20", "6"}) << report.arg(128);
    row("picks -1e10", {"1", "42", "-1e10", "6"}) << report.arg(152);
    row("per pick 3e9", {"1", "42", "20", "3e9"}) << report.arg(154);
    row("per pick 2147483648", {"1", "42", "20", "2147483648"}) << report.arg(154);
    row("per pick of 100,000 digits", {"1", "42", "20", QString(100000, u'9')}) << report.arg(154);
    row("per pick 2,000,000,000 in 20 picks", {"1", "42", "20", "2000000000"})
        << tooMany.arg("2,000,000");
    row("per pick 2,000,000 in 1 pick", {"1", "42", "1", "2000000"}) << tooMany.arg("2,000,000");
    row("per pick 100,000 in 31,999 picks", {"1", "42", "31999", "100000"}) << tooMany.arg("5,582");
}

void TestGenerate::runSize_data()
{
    QTest::addColumn<qint64>("picks");
    QTest::addColumn<qint64>("perPick");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");
    QTest::addColumn<int>("prefixBytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("31,999 picks of 62") << 31999LL << 62LL << 1.0 << 42.0 << 0 << QString();
    QTest::newRow("10,000 picks of 200") << 10000LL << 200LL << 1.0 << 1000.0 << 0 << QString();
    QTest::newRow("31,999 picks of 999 from the widest range")
        << 31999LL << 999LL << -2147483648.0 << 2147483647.0 << 0 << QString();
    QTest::newRow("31,999 picks behind a 32,767-character prefix")
        << 31999LL << 6LL << 1.0 << 42.0 << 32767
        << "How Many Picks - Please keep to less than 16,367.";
}

// Every run the field help advises (fewer than 32,000 picks of fewer than 1,000 numbers,
// from any range) is made; a run is refused only when its rows, prefix included, could
// not be held.
void TestGenerate::runSize()
{
    QFETCH(qint64, picks);
    QFETCH(qint64, perPick);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    QFETCH(int, prefixBytes);
    QFETCH(QString, problem);
    const generation::RunShape shape{picks, perPick, generation::numberWidth(lowest, highest),
                                     prefixBytes};
    QCOMPARE(generation::runSizeProblem(shape), problem);
    // A run that is made can be copied and saved: both need at most its rows' bytes.
    if (problem.isEmpty())
        QVERIFY(generation::runBytes(shape) <= results_list::kMostListBytes);
}

// A failure that would repeat at every pick, or a run too large to hold, ends the command
// after its one box, shown under the hourglass: no picks, no "Done.", the pointer and the flag idle
// again. The rows of an earlier run stay, and no field runs on the value that run left behind.
void TestGenerate::failureEndsTheCommand()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    Window w;
    w.options({false, false, false, false, false});
    w.fill({QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("7"), QStringLiteral("1")});
    w.start();
    w.services.messageBox.boxes.clear();
    bool hourglassShown = false;
    w.services.messageBox.onShow = [&](const testing::ShownBox&) {
        hourglassShown = w.form.mousePointer() == forms::kHourglassPointer;
    };
    w.fill({fields[0], fields[1], fields[2], fields[3]});
    w.start();
    QCOMPARE(w.messages().size(), 1);
    QVERIFY2(w.messages().first().startsWith(message), qPrintable(w.messages().first()));
    QVERIFY(hourglassShown);
    QCOMPARE(w.form.ListView1->rowCount(), 7);
    QCOMPARE(w.form.mousePointer(), int(forms::kDefaultPointer));
    QVERIFY(!w.form.generateCommand().generationRunning());
}

// Memory running out in the middle of a pick ends the run with one report; the rows made
// before stay, and the next run works.
void TestGenerate::outOfMemoryMidRunEndsIt()
{
    Window w;
    w.options({false, false, false, false, false});
    w.fill({QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("20"), QStringLiteral("6")});
    // Before the second draw of the fifth pick.
    w.services.pump.when([&] { return w.services.random.draws == 4 * 6 + 1; },
                         [] { throw std::bad_alloc(); });
    w.start();
    QCOMPARE(w.messages().size(), 1);
    QVERIFY(w.messages().first().startsWith(QStringLiteral(
        "Out of memory\r\nin Drawsmith2021/08/31.Lotto.getNumbers at line 110\r\r")));
    QCOMPARE(w.form.ListView1->rowCount(), 4);
    QCOMPARE(w.form.mousePointer(), int(forms::kDefaultPointer));
    w.start();
    QCOMPARE(w.form.ListView1->rowCount(), 24);
    QCOMPARE(w.messages().last(), kDone);
}

void TestGenerate::everyOptionCombination_data()
{
    QTest::addColumn<int>("options");  // bit i set: option i + 1 ticked
    for (int options = 0; options < 32; ++options)
        QTest::newRow(qPrintable(QStringLiteral("options %1").arg(options, 5, 2, QLatin1Char('0'))))
            << options;
}

// Whatever the options, a run of 30 picks of four numbers from 1 to 9 gives rows that
// keep every promise the ticked options make.
void TestGenerate::everyOptionCombination()
{
    QFETCH(int, options);
    const auto on = [&](int option) { return (options >> (option - 1)) & 1; };
    Window w;
    w.fill({QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("30"), QStringLiteral("4")});
    w.options({bool(on(1)), bool(on(2)), bool(on(3)), bool(on(4)), bool(on(5))});
    w.form.Text5->setText(QStringLiteral("P"));
    w.start();
    QCOMPARE(w.messages(), QStringList{kDone});
    QCOMPARE(w.parameters().picksMade, 30);
    const QStringList rows = w.rows();
    const QStringList sortTexts = w.sortTexts();
    if (on(2))
        QCOMPARE(QSet<QString>(rows.begin(), rows.end()).size(), rows.size());
    else
        QCOMPARE(rows.size(), 30);
    const QChar separator = on(5) ? u'-' : u' ';
    for (qsizetype r = 0; r < rows.size(); ++r) {
        QVERIFY2(rows[r].startsWith(QStringLiteral("P  ")), qPrintable(rows[r]));
        const QStringList numbers = rows[r].mid(3).split(separator);
        QCOMPARE(numbers.size(), 4);
        QStringList twoDigit;
        for (qsizetype i = 0; i < numbers.size(); ++i) {
            const int n = numbers[i].toInt();
            QVERIFY(n >= 1 && n <= 9);
            twoDigit << QStringLiteral("0%1").arg(n);
            if (on(1) && i > 0)
                QVERIFY(numbers[i - 1].toInt() <= n);
            if (on(4))
                QCOMPARE(numbers.count(numbers[i]), 1);
        }
        QCOMPARE(sortTexts[r], QStringLiteral("P  ") + twoDigit.join(separator));
        if (on(3) && r > 0)
            QVERIFY(sortTexts[r - 1].compare(sortTexts[r], Qt::CaseInsensitive) <= 0);
    }
}

QTEST_MAIN(TestGenerate)
#include "tst_generate.moc"
