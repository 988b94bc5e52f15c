// Measures the program's commands on big lists through the real main window, offscreen,
// with recorded message boxes. Prints one line per figure, "name: value unit", each
// operation beside a floor that makes the same output from the same list without the
// window, so the ratio holds on a noisy machine, and beside a bandwidth floor: the time
// the machine's memory takes to move the bytes the command must read and write.
// This file drives the window: it fills the lists, runs each command and prints its
// figures beside its floors (Floors.h), taken with the measures of Measures.h.
// The modes are listed in kUsage, which --help prints.

#include "CheckBox.h"
#include "ClockRandom.h"
#include "Floors.h"
#include "Form1.h"
#include "Form2.h"
#include "Measures.h"
#include "PickText.h"
#include "ResultsList.h"
#include "TestServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace bench;

// The list's picks are 6 numbers from 1 to 49: 13,983,816 distinct picks, room for lists of
// ten million rows. The generate command keeps its own range.
constexpr int kListHighest = 49;

// The production pump and random source, with the test doubles answering message boxes
// and dialogs.
class BenchServices {
public:
    MeteredPump pump;
    // The next save goes to this file of the temporary folder.
    QString saveTo(const QString& name)
    {
        const QString path = doubles_.programFolder.filePath(name);
        doubles_.saveDialog.names = {path};
        return path;
    }
    const QString& clipboardText() const { return doubles_.clipboard.text; }
    QString lastMessage() const
    {
        return doubles_.messageBox.boxes.isEmpty() ? QString()
                                                   : doubles_.messageBox.boxes.last().text;
    }

private:
    platform::ClockRandom random_;
    testing::TestServices doubles_{&pump, &random_};
};

// Fills the list with distinct picks, unsorted, so that every row is stored where the list
// shows it.
void fill(forms::ResultsList& list, qint64 rows)
{
    platform::ClockRandom random(rows);
    list.setSorted(false);
    while (list.rowCount() < rows) {
        const generation::PickTexts pick = randomPick(random, kListHighest);
        if (!list.containsItemText(pick.pickText))
            list.append(pick.pickText, pick.sortText);
    }
    list.itemText(1);
    QCoreApplication::processEvents();
}

// Sorts the list by its sort texts, once, as a run that turns sorting on does: sorted
// beside the window, then laid out again in its new order.
void sortList(forms::ResultsList& list, qint64 rows)
{
    QElapsedTimer timer;
    timer.start();
    list.setSortKey(1);
    list.sortWhileYielding();
    QCoreApplication::processEvents();
    print("sort", rows, seconds(timer), "s");
}

void setUpGeneration(Form1& form)
{
    form.Text1->setText(QStringLiteral("1"));
    form.Text2->setText(QString::number(kGenerateHighest));
    form.Text3->setText(QString::number(kPicksPerRun));
    form.Text4->setText(QStringLiteral("6"));
    for (QCheckBox* option : {form.Check1, form.Check2, form.Check3, form.Check4, form.Check5})
        option->setChecked(true);
}

// The searches measured: three terms, and one term alone.
const QStringList kSearchTerms = {QStringLiteral("5"), QStringLiteral("1 2"), QStringLiteral("4-")};
const QStringList kOneSearchTerm = {QStringLiteral("5")};

// The search's floors, checked against its results. The bytes it must move: the item
// texts read, and one view (a pointer and a length, 16 bytes) written per find.
void printSearchFloors(const std::string& name, const QStringList& terms, const Form2& search,
                       const forms::ResultsList& list, qint64 rows, double bandwidth)
{
    const results_list::ListSnapshot listed = list.snapshot();
    std::vector<qsizetype> finds;
    const double elapsed = searchFloor(listed, terms, finds);
    checkSameOutput(sameFinds(finds, listed, search.ListView1->snapshot()), name);
    const qint64 written = qint64(sizeof(QByteArrayView)) * qint64(finds.size());
    printFloors(name, rows, {elapsed, columnBytes(listed, 1) + written}, bandwidth);
}

// Runs `use` on the search window, opened with "Search Picks" and closed afterwards.
template <typename Use>
void withSearchWindow(Form1& form, Use&& use)
{
    form.PushButton7->click();
    Form2* search = form.searchWindow();
    use(*search);
    search->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Whether the search ran to its end, which it says with "Done.". A search the program
// refuses, because its finds would not fit in the list, says so in its place: that is
// said on the error output, in place of figures that would mean nothing.
bool searchDone(const char* name, const BenchServices& services)
{
    const QString said = services.lastMessage();
    if (said == QStringLiteral("Done."))
        return true;
    std::fprintf(stderr, "%s: %s\n", name, qPrintable(said));
    return false;
}

// Memory per result row of a search whose text is one space: every pick is found once.
// The resident figure is what the results keep; the peak adds what the search needs
// while it runs.
void measureSearchMemory(Form1& form, qint64 rows, const BenchServices& services)
{
    withSearchWindow(form, [&](Form2& search) {
        resetPeakBytes();
        const qint64 before = residentBytes();
        search.Text1->setText(QStringLiteral(" "));
        search.PushButton2->click();
        if (!searchDone("search_memory", services))
            return;
        const double results = double(search.ListView1->rowCount());
        print("search_memory", rows, double(residentBytes() - before) / results, "bytes/result");
        print("search_peak", rows, double(peakBytes() - before) / results, "bytes/result");
    });
}

// "Search Picks", then "Search" for the text, then "Close"; `printFloors` prints the floors
// beside it, given the search window with its results.
template <typename PrintFloors>
void measureSearch(const char* name, Form1& form, qint64 rows, BenchServices& services,
                   const QString& text, PrintFloors&& printFloors)
{
    withSearchWindow(form, [&](Form2& search) {
        search.Text1->setText(text);
        timeCommand(name, rows, services.pump, search.PushButton2);
        if (searchDone(name, services))
            printFloors(search);
    });
}

// One long term over a few long rows: picks behind the longest prefix a field holds, all
// of one letter, and a term of that letter in the other case ending in a byte no row
// holds. A search that compares the term at every place of a row does a thousand
// comparisons per place here.
void measureLongTermSearch()
{
    constexpr qint64 kRows = 300;
    constexpr int kPrefixLength = 32767;
    constexpr int kTermLength = 1000;
    BenchServices services;
    Form1 form;
    form.show();
    platform::ClockRandom random(kRows);
    const QString prefix(kPrefixLength, u'X');
    for (qint64 r = 0; r < kRows; ++r) {
        const generation::PickTexts pick = randomPick(random, kListHighest, prefix);
        form.ListView1->append(pick.pickText, pick.sortText);
    }
    QCoreApplication::processEvents();
    measureSearch("search_long_term", form, kRows, services, QString(kTermLength - 1, u'x') + u'#',
                  [&](const Form2&) {
                      print("search_long_term_floor", kRows, readFloor(*form.ListView1), "s");
                  });
}

// "Copy Results To Clipboard" of the main window, under `name`, and its floors, checked
// against the clipboard's text. The bytes it must move: the item texts read, and the
// clipboard's text written, 2 bytes a character.
void measureCopy(const char* name, Form1& form, qint64 rows, BenchServices& services,
                 double bandwidth)
{
    timeCommand(name, rows, services.pump, form.PushButton1);
    const results_list::ListSnapshot listed = form.ListView1->snapshot();
    QString text;
    const double elapsed = copyFloor(listed, text);
    checkSameOutput(text == services.clipboardText(), name);
    printFloors(name, rows, {elapsed, columnBytes(listed, 1) + 2 * qint64(text.size())}, bandwidth);
}

// "Save Results As Text File" of the main window, and its floors, checked against the
// saved file. The bytes it must move: all the cells' texts read, and the file's bytes
// written (into the page cache).
void measureSave(Form1& form, qint64 rows, BenchServices& services, double bandwidth)
{
    const QString saved = services.saveTo(QStringLiteral("picks.txt"));
    timeCommand("save", rows, services.pump, form.PushButton6);
    const results_list::ListSnapshot listed = form.ListView1->snapshot();
    QByteArray bytes;
    const double elapsed = saveFloor(listed, services.saveTo(QStringLiteral("floor.txt")), bytes);
    QFile written(saved);
    checkSameOutput(written.open(QIODevice::ReadOnly) && written.readAll() == bytes, "save");
    const qint64 read = columnBytes(listed, 1) + columnBytes(listed, 2);
    printFloors("save", rows, {elapsed, read + bytes.size()}, bandwidth);
}

// Fills the main window's list unsorted and copies it, then sorts it and measures every
// command on it.
void measure(qint64 rows, double bandwidth)
{
    BenchServices services;
    Form1 form;
    form.show();
    QCoreApplication::processEvents();

    const qint64 before = residentBytes();
    fill(*form.ListView1, rows);
    print("memory", rows, double(residentBytes() - before) / double(rows), "bytes/row");
    measureCopy("copy_unsorted", form, rows, services, bandwidth);

    sortList(*form.ListView1, rows);
    measureSearchMemory(form, rows, services);
    for (const auto& search :
         {std::pair{"search", kSearchTerms}, std::pair{"search_one_term", kOneSearchTerm}}) {
        const char* const name = search.first;
        const QStringList& terms = search.second;
        measureSearch(name, form, rows, services, terms.join(QLatin1Char(',')),
                      [&](const Form2& window) {
                          printSearchFloors(name, terms, window, *form.ListView1, rows, bandwidth);
                      });
    }
    measureSave(form, rows, services, bandwidth);
    measureCopy("copy", form, rows, services, bandwidth);

    setUpGeneration(form);
    timeCommand("generate", rows, services.pump, form.PushButton2);
    print("generate_floor", rows, generateFloor(*form.ListView1), "s");
    // The generate floor has just freed its hash set of every pick.
    releaseFreedMemory();

    timeCommand("clear", rows, services.pump, form.PushButton9, 1000, "ms");
}

// The lists whose commands' times are compared, and how many times each command runs on
// both when its growth is measured.
constexpr qint64 kGrowthSmaller = 1000000;
constexpr qint64 kGrowthLarger = 10000000;
constexpr int kGrowthPairs = 5;

// How a command's time grows from the smaller list to the larger: the command on the
// smaller, then at once on the larger, kGrowthPairs times; prints the median of the
// ratios, their range, and the median times. A machine shared with others changes speed
// from one minute to the next, so two times taken a second apart give a ratio that two
// single runs a minute apart cannot. Each timed run follows an untimed one on the same
// list, so that what the command replaces (the clipboard's text, the saved file) comes
// from a list of its own size. `command` runs the command on a window and returns its
// time.
template <typename Command>
void measureGrowth(const char* name, Form1& smaller, Form1& larger, Command&& command)
{
    const auto again = [&](Form1& form) {
        command(form);
        return command(form);
    };
    std::vector<double> smallerTimes;
    std::vector<double> largerTimes;
    std::vector<double> ratios;
    for (int pair = 0; pair < kGrowthPairs; ++pair) {
        smallerTimes.push_back(again(smaller));
        largerTimes.push_back(again(larger));
        ratios.push_back(largerTimes.back() / smallerTimes.back());
    }
    const auto [least, most] = std::minmax_element(ratios.begin(), ratios.end());
    std::printf("%s_growth: %.1f x (%.1f-%.1f), %.4f s at %lld rows, %.4f s at %lld rows\n", name,
                median(ratios), *least, *most, median(smallerTimes),
                static_cast<long long>(kGrowthSmaller), median(largerTimes),
                static_cast<long long>(kGrowthLarger));
    std::fflush(stdout);
}

// The growth of every command that can run again on the same list, from a million rows to
// ten million: copy on the lists unsorted, then, sorted, the one-term search, save, copy and
// generate. (Three terms would find more picks than a list may hold at ten million, and a
// clear can run only once.)
void measureGrowths()
{
    BenchServices services;
    Form1 smaller;
    Form1 larger;
    smaller.show();
    larger.show();
    QCoreApplication::processEvents();
    fill(*smaller.ListView1, kGrowthSmaller);
    fill(*larger.ListView1, kGrowthLarger);
    const auto click = [&](auto button) {
        return [&services, button](Form1& form) {
            return runCommand(services.pump, form.*button).seconds;
        };
    };
    measureGrowth("copy_unsorted", smaller, larger, click(&Form1::PushButton1));
    sortList(*smaller.ListView1, kGrowthSmaller);
    sortList(*larger.ListView1, kGrowthLarger);
    measureGrowth("search_one_term", smaller, larger, [&](Form1& form) {
        double elapsed = 0;
        withSearchWindow(form, [&](Form2& search) {
            search.Text1->setText(kOneSearchTerm.join(QLatin1Char(',')));
            elapsed = runCommand(services.pump, search.PushButton2).seconds;
            searchDone("search_one_term_growth", services);
        });
        return elapsed;
    });
    measureGrowth("save", smaller, larger, [&](Form1& form) {
        services.saveTo(QStringLiteral("growth.txt"));
        return runCommand(services.pump, form.PushButton6).seconds;
    });
    measureGrowth("copy", smaller, larger, click(&Form1::PushButton1));
    setUpGeneration(smaller);
    setUpGeneration(larger);
    measureGrowth("generate", smaller, larger, click(&Form1::PushButton2));
}

// The largest run the field help advises: 31,999 picks of 999 numbers from 1 to 2000,
// every option on, onto an empty list; its time, longest pump gap, the most memory it
// added at its peak, and one repaint of the list's rows afterwards.
void measureLargestAdvisedRun()
{
    constexpr qint64 kPicks = 31999;
    BenchServices services;
    Form1 form;
    form.show();
    setUpGeneration(form);
    form.Text2->setText(QStringLiteral("2000"));
    form.Text3->setText(QString::number(kPicks));
    form.Text4->setText(QStringLiteral("999"));
    QCoreApplication::processEvents();
    const qint64 before = residentBytes();
    resetPeakBytes();
    timeCommand("generate_999_per_pick", kPicks, services.pump, form.PushButton2);
    print("generate_999_per_pick_peak", kPicks, double(peakBytes() - before) / 1e6, "MB");
    QElapsedTimer paint;
    paint.start();
    form.ListView1->viewport()->repaint();
    print("generate_999_per_pick_paint", kPicks, seconds(paint) * 1000, "ms");
}

void measureStartup()
{
    BenchServices services;
    QElapsedTimer timer;
    timer.start();
    Form1 form;
    form.show();
    QCoreApplication::processEvents();
    std::printf("startup: %.3f ms\n", seconds(timer) * 1000);
}

// A keystroke into the prefix field, which stores the field's text at once: the time the
// window's thread spends on it (the key's handling and the hand-over to the settings
// writer). Before each keystroke the last one's write has landed, so each one hands over a
// write of its own. Prints the median and the longest of kKeystrokes.
void measureKeystroke()
{
    constexpr int kKeystrokes = 200;
    BenchServices services;
    Form1 form;
    form.show();
    QCoreApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < kKeystrokes; ++i) {
        const QString letter(QChar(u'a' + i % 26));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + i % 26, Qt::NoModifier, letter);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A + i % 26, Qt::NoModifier, letter);
        QElapsedTimer timer;
        timer.start();
        QApplication::sendEvent(form.Text5, &press);
        QApplication::sendEvent(form.Text5, &release);
        times.push_back(seconds(timer) * 1000);
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    std::printf("keystroke: %.3f ms median, %.3f ms longest\n", median(times),
                *std::max_element(times.begin(), times.end()));
}

// What each command line measures.
constexpr const char* kUsage =
    "numorra_bench           N = 100,000 and N = 1,000,000, then the largest advised run\n"
    "numorra_bench --quick   N = 10,000 only\n"
    "numorra_bench --large   N = 10,000,000 only\n"
    "numorra_bench --growth  each command's growth from N = 1,000,000 to N = 10,000,000\n"
    "numorra_bench --advised the largest run the field help advises only\n";

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (application.arguments().contains(QStringLiteral("--help"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (application.arguments().contains(QStringLiteral("--advised"))) {
        measureLargestAdvisedRun();
        return 0;
    }
    const double bandwidth = memoryBandwidth();
    std::printf("memory_bandwidth: %.3f GB/s\n", bandwidth / 1e9);
    if (application.arguments().contains(QStringLiteral("--large"))) {
        measure(10000000, bandwidth);
        return 0;
    }
    if (application.arguments().contains(QStringLiteral("--growth"))) {
        measureGrowths();
        return 0;
    }
    const bool quick = application.arguments().contains(QStringLiteral("--quick"));
    measureStartup();
    measureKeystroke();
    measureLongTermSearch();
    const std::vector<qint64> sizes =
        quick ? std::vector<qint64>{10000} : std::vector<qint64>{100000, 1000000};
    for (const qint64 rows : sizes)
        measure(rows, bandwidth);
    if (!quick)
        measureLargestAdvisedRun();
    return 0;
}
