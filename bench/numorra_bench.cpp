// Measures the program's commands on big lists through the real main window, offscreen,
// with recorded message boxes. Prints one line per figure, "name: value unit", each
// operation beside a floor that does the same work without the window, so the ratio holds
// on a noisy machine.
//
//   numorra_bench           N = 100,000 and N = 1,000,000
//   numorra_bench --quick   N = 10,000 only

#include "CheckBox.h"
#include "ClockRandom.h"
#include "Form1.h"
#include "Form2.h"
#include "PickText.h"
#include "ResultsList.h"
#include "TestServices.h"
#include "TimeSlicedPump.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <cstdio>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kPicksPerRun = 31999;

void print(const char* name, qint64 rows, double value, const char* unit)
{
    std::printf("%s_%lld: %.3f %s\n", name, static_cast<long long>(rows), value, unit);
    std::fflush(stdout);
}

double seconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e9; }

// The real time-sliced pump, noting the longest stretch without a pump while metering.
class MeteredPump : public platform::TimeSlicedPump {
public:
    void start()
    {
        longestMs_ = 0;
        sinceLast_.start();
    }
    double stop()
    {
        note();
        return longestMs_;
    }

protected:
    void pump(Input input) override
    {
        note();
        TimeSlicedPump::pump(input);
        sinceLast_.restart();
    }

private:
    void note()
    {
        if (sinceLast_.isValid())
            longestMs_ = std::max(longestMs_, double(sinceLast_.nsecsElapsed()) / 1e6);
    }
    QElapsedTimer sinceLast_;
    double longestMs_ = 0;
};

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

private:
    platform::ClockRandom random_;
    testing::TestServices doubles_{&pump, &random_};
};

// One 6-of-42 pick, numbers ascending, as the generator writes it.
generation::PickTexts randomPick(platform::ClockRandom& random, const QString& prefix = QString())
{
    std::vector<std::int32_t> numbers;
    std::unordered_set<std::int32_t> placed;
    while (numbers.size() < 6) {
        const auto n = std::int32_t(1 + random.next() * 42);
        if (placed.insert(n).second)
            numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return generation::makePickTexts(numbers, u' ', prefix);
}

// Fills the list with distinct picks, sorted by their sort text.
void fill(forms::ResultsList& list, qint64 rows)
{
    platform::ClockRandom random(rows);
    list.setSortKey(1);
    list.setSorted(true);
    while (list.rowCount() < rows) {
        const generation::PickTexts pick = randomPick(random);
        if (!list.containsItemText(pick.pickText))
            list.append(pick.pickText, pick.sortText);
    }
    list.itemText(1);
    QCoreApplication::processEvents();
}

// The memory the process holds, once the memory it has freed is handed back to the
// system where the C library allows: the allocator keeps freed memory for reuse, so the
// resident size would otherwise count what a command freed, or not count what it reused,
// and the memory figures would depend on what ran before.
qint64 residentBytes()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
}

void setUpGeneration(Form1& form)
{
    form.Text1->setText(QStringLiteral("1"));
    form.Text2->setText(QStringLiteral("42"));
    form.Text3->setText(QString::number(kPicksPerRun));
    form.Text4->setText(QStringLiteral("6"));
    for (QCheckBox* option : {form.Check1, form.Check2, form.Check3, form.Check4, form.Check5})
        option->setChecked(true);
}

// The same picks made by the pick-text code into a vector with a hash set, no window. As
// the command checks every pick against the whole list, the set starts with the list's
// picks (filled before the timing starts).
double generateFloor(const forms::ResultsList& list)
{
    const results_list::ListSnapshot listed = list.snapshot();
    QSet<QString> index;
    index.reserve(listed.rowCount() + kPicksPerRun);
    for (qsizetype r = 1; r <= listed.rowCount(); ++r)
        index.insert(listed.cell(r, 1));
    platform::ClockRandom random;
    QElapsedTimer timer;
    timer.start();
    std::vector<QString> rows;
    for (int i = 0; i < kPicksPerRun; ++i) {
        random.reseedFromClock();
        const generation::PickTexts pick = randomPick(random);
        if (!index.contains(pick.pickText)) {
            index.insert(pick.pickText);
            rows.push_back(pick.pickText);
        }
    }
    return seconds(timer);
}

const QStringList kSearchTerms = {QStringLiteral("5"), QStringLiteral("1 2"), QStringLiteral("4-")};

// The item texts of the list, in list order.
std::vector<std::string> itemTexts(const forms::ResultsList& list)
{
    std::vector<std::string> texts;
    texts.reserve(std::size_t(list.rowCount()));
    const results_list::ListSnapshot rows = list.snapshot();
    for (qsizetype r = 1; r <= rows.rowCount(); ++r)
        texts.emplace_back(rows.cellUtf8(r, 1).toByteArray().toStdString());
    return texts;
}

// The same containment tests with std::string::find over a vector of the same texts.
double searchFloor(const forms::ResultsList& list)
{
    const std::vector<std::string> texts = itemTexts(list);
    std::vector<std::string> terms;
    for (const QString& term : kSearchTerms)
        terms.push_back(term.toStdString());
    QElapsedTimer timer;
    timer.start();
    std::vector<const std::string*> found;
    for (const std::string& text : texts) {
        for (const std::string& term : terms) {
            if (text.find(term) != std::string::npos)
                found.push_back(&text);
        }
    }
    return seconds(timer);
}

// Times one command (a button's click and the events it leaves behind) and the longest
// stretch without an event pump while it ran.
void timeCommand(const char* name, qint64 rows, MeteredPump& pump, QPushButton* button,
                 double scale = 1, const char* unit = "s")
{
    QElapsedTimer timer;
    timer.start();
    pump.start();
    button->click();
    QCoreApplication::processEvents();
    print(name, rows, seconds(timer) * scale, unit);
    print((std::string(name) + "_pump_gap").c_str(), rows, pump.stop(), "ms");
}

// The most memory the process has held since the last resetPeakBytes(), in bytes.
qint64 peakBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

void resetPeakBytes()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
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

// Memory per result row of a search whose text is one comma: every pick is found twice.
// The resident figure is what the results keep; the peak adds what the search needs
// while it runs.
void measureSearchMemory(Form1& form, qint64 rows)
{
    withSearchWindow(form, [&](Form2& search) {
        resetPeakBytes();
        const qint64 before = residentBytes();
        search.Text1->setText(QStringLiteral(","));
        search.PushButton2->click();
        const double results = double(search.ListView1->rowCount());
        print("search_memory", rows, double(residentBytes() - before) / results, "bytes/result");
        print("search_peak", rows, double(peakBytes() - before) / results, "bytes/result");
    });
}

// Reading the same texts once from start to end, as any search must (memchr for a byte
// none of them holds).
double readFloor(const forms::ResultsList& list)
{
    const std::vector<std::string> texts = itemTexts(list);
    QElapsedTimer timer;
    timer.start();
    std::size_t held = 0;
    for (const std::string& text : texts)
        held += std::memchr(text.data(), '\x7f', text.size()) != nullptr;
    const double elapsed = seconds(timer);
    return held == 0 ? elapsed : -1;
}

// "Search Picks", then "Search" for the text, then "Close"; the floor beside it.
void measureSearch(const char* name, Form1& form, qint64 rows, MeteredPump& pump,
                   const QString& text, double (*floor)(const forms::ResultsList&))
{
    withSearchWindow(form, [&](Form2& search) {
        search.Text1->setText(text);
        timeCommand(name, rows, pump, search.PushButton2);
        print((std::string(name) + "_floor").c_str(), rows, floor(*form.ListView1), "s");
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
        const generation::PickTexts pick = randomPick(random, prefix);
        form.ListView1->append(pick.pickText, pick.sortText);
    }
    QCoreApplication::processEvents();
    measureSearch("search_long_term", form, kRows, services.pump,
                  QString(kTermLength - 1, u'x') + u'#', readFloor);
}

// Writing the same bytes to a file in one buffered write, replaced atomically as the save
// replaces its file.
double saveFloor(const QByteArray& bytes, const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        std::fprintf(stderr, "save floor: %s\n", qPrintable(file.errorString()));
    return seconds(timer);
}

// Building the same clipboard text with a reserved string, from the picks' texts in list
// order.
double copyFloor(const forms::ResultsList& list)
{
    const results_list::ListSnapshot rows = list.snapshot();
    std::vector<QString> texts;
    texts.reserve(std::size_t(rows.rowCount()));
    for (qsizetype r = 1; r <= rows.rowCount(); ++r)
        texts.push_back(rows.cell(r, 1));
    QElapsedTimer timer;
    timer.start();
    QString text;
    text.reserve(rows.rowCount() * 20);
    for (const QString& pick : texts) {
        text += pick;
        text += QLatin1String("\r\n");
    }
    return seconds(timer);
}

// "Save Results As Text File" and "Copy Results To Clipboard" of the main window.
void measureExports(Form1& form, qint64 rows, BenchServices& services)
{
    const QString file = services.saveTo(QStringLiteral("picks.txt"));
    timeCommand("save", rows, services.pump, form.PushButton6);
    QFile written(file);
    const QByteArray bytes = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    print("save_floor", rows, saveFloor(bytes, services.saveTo(QStringLiteral("floor.txt"))), "s");

    timeCommand("copy", rows, services.pump, form.PushButton1);
    print("copy_floor", rows, copyFloor(*form.ListView1), "s");
}

void measure(qint64 rows)
{
    BenchServices services;
    Form1 form;
    form.show();
    QCoreApplication::processEvents();

    const qint64 before = residentBytes();
    fill(*form.ListView1, rows);
    print("memory", rows, double(residentBytes() - before) / double(rows), "bytes/row");

    measureSearchMemory(form, rows);
    measureSearch("search", form, rows, services.pump, kSearchTerms.join(QLatin1Char(',')),
                  searchFloor);
    measureExports(form, rows, services);

    setUpGeneration(form);
    timeCommand("generate", rows, services.pump, form.PushButton2);
    print("generate_floor", rows, generateFloor(*form.ListView1), "s");

    timeCommand("clear", rows, services.pump, form.PushButton9, 1000, "ms");
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

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bool quick = application.arguments().contains(QStringLiteral("--quick"));
    measureStartup();
    measureLongTermSearch();
    const std::vector<qint64> sizes =
        quick ? std::vector<qint64>{10000} : std::vector<qint64>{100000, 1000000};
    for (const qint64 rows : sizes)
        measure(rows);
    if (!quick)
        measureLargestAdvisedRun();
    return 0;
}
