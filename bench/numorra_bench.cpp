// Measures the program's commands on big lists through the real main window, offscreen,
// with recorded message boxes. Prints one line per figure, "name: value unit", each
// operation beside a floor that makes the same output from the same list without the
// window, so the ratio holds on a noisy machine, and beside a bandwidth floor: the time
// the machine's memory takes to move the bytes the command must read and write.
// The modes are listed in kUsage, which --help prints.

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
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kPicksPerRun = 31999;
// The list's picks are 6 numbers from 1 to 49: 13,983,816 distinct picks, room for lists of
// ten million rows. The generate command keeps its own range.
constexpr int kListHighest = 49;
constexpr int kGenerateHighest = 42;

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

// One pick of 6 numbers from 1 to `highest`, numbers ascending, as the generator writes it.
generation::PickTexts randomPick(platform::ClockRandom& random, int highest,
                                 const QString& prefix = QString())
{
    std::vector<std::int32_t> numbers;
    std::unordered_set<std::int32_t> placed;
    while (numbers.size() < 6) {
        const auto n = std::int32_t(1 + random.next() * highest);
        if (placed.insert(n).second)
            numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return generation::makePickTexts(numbers, u' ', prefix);
}

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

// Hands the memory the process has freed back to the system where the C library allows.
// The allocator keeps freed memory for reuse, and glibc keeps small freed blocks apart
// until a large block is freed, when it merges them all: after millions of small blocks
// freed, that merge would fall in the time of whatever command frees a large block next.
// Memory that a cleared list releases on another thread is waited for first.
void releaseFreedMemory()
{
    QThreadPool::globalInstance()->waitForDone();
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

// The memory the process holds, once the memory it has freed is handed back: the resident
// size would otherwise count what a command freed, or not count what it reused, and the
// memory figures would depend on what ran before.
qint64 residentBytes()
{
    releaseFreedMemory();
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
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

// The machine's memory bandwidth in bytes per second: the best of three copies of 256 MB
// from one buffer into another, counting the bytes read and the bytes written. Both
// buffers are written before the timing, so that no copy pays for a page's first touch.
double memoryBandwidth()
{
    constexpr std::size_t kBytes = std::size_t(256) << 20;
    std::vector<char> source(kBytes, 1);
    std::vector<char> target(kBytes, 0);
    // Copied through a pointer the compiler cannot see through, so no copy is left out.
    char* volatile into = target.data();
    double best = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        std::memcpy(into, source.data(), kBytes);
        const double elapsed = seconds(timer);
        best = i == 0 ? elapsed : std::min(best, elapsed);
    }
    return 2 * double(kBytes) / best;
}

// What a floor measured: its time, and the bytes the command must read and write, which
// the memory moves in no less than bytes / bandwidth.
struct Floor {
    double seconds;
    qint64 bytes;
};

void printFloors(const std::string& name, qint64 rows, const Floor& floor, double bandwidth)
{
    print((name + "_floor").c_str(), rows, floor.seconds, "s");
    print((name + "_bandwidth_floor").c_str(), rows, double(floor.bytes) / bandwidth, "s");
}

// A floor is worth its name only when it makes the command's output.
void checkSameOutput(bool same, const std::string& name)
{
    if (!same)
        std::fprintf(stderr, "%s: the floor's output differs from the command's\n", name.c_str());
}

// The bytes of the UTF-8 texts of a column, over all rows.
qint64 columnBytes(const results_list::ListSnapshot& list, int column)
{
    qint64 bytes = 0;
    for (qsizetype r = 1; r <= list.rowCount(); ++r)
        bytes += list.cellUtf8(r, column).size();
    return bytes;
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
        const generation::PickTexts pick = randomPick(random, kGenerateHighest);
        if (!index.contains(pick.pickText)) {
            index.insert(pick.pickText);
            rows.push_back(pick.pickText);
        }
    }
    return seconds(timer);
}

// The searches measured: three terms, and one term alone.
const QStringList kSearchTerms = {QStringLiteral("5"), QStringLiteral("1 2"), QStringLiteral("4-")};
const QStringList kOneSearchTerm = {QStringLiteral("5")};

// The item texts of the list in list order, each followed by '\n', in one buffer, and
// where each row's text starts (a last entry marks the end).
struct PackedTexts {
    std::string bytes;
    std::vector<std::size_t> starts;
};

PackedTexts packItemTexts(const results_list::ListSnapshot& list)
{
    PackedTexts packed;
    packed.bytes.reserve(std::size_t(list.itemTextBytes() + list.rowCount()));
    packed.starts.reserve(std::size_t(list.rowCount()) + 1);
    for (qsizetype r = 1; r <= list.rowCount(); ++r) {
        packed.starts.push_back(packed.bytes.size());
        const QByteArrayView text = list.cellUtf8(r, 1);
        packed.bytes.append(text.data(), std::size_t(text.size()));
        packed.bytes.push_back('\n');
    }
    packed.starts.push_back(packed.bytes.size());
    return packed;
}

// The first place of the term in [from, end), or end.
const char* findTerm(const char* from, const char* end, std::string_view term)
{
#if defined(__GLIBC__)
    const void* found = memmem(from, std::size_t(end - from), term.data(), term.size());
    return found ? static_cast<const char*>(found) : end;
#else
    return std::search(from, end, term.begin(), term.end());
#endif
}

// The rows (numbered from 1, ascending) whose text holds the term: one pass over the
// buffer, each find mapped to its row, the pass going on at the next row's start.
std::vector<qsizetype> rowsHolding(const PackedTexts& texts, std::string_view term)
{
    std::vector<qsizetype> rows;
    const char* const begin = texts.bytes.data();
    const char* const end = begin + texts.bytes.size();
    for (const char* at = findTerm(begin, end, term); at != end;) {
        // The first start beyond the find is the next row's, at the index of the find's row:
        // finds come in order, so the walk starts at the last find's row.
        auto next = texts.starts.begin() + (rows.empty() ? 0 : rows.back());
        while (*next <= std::size_t(at - begin))
            ++next;
        rows.push_back(qsizetype(next - texts.starts.begin()));
        at = findTerm(begin + *next, end, term);
    }
    return rows;
}

// The terms' rows in the command's order: rows in list order, a row once per term it
// holds, its terms in order.
std::vector<qsizetype> mergeFinds(const std::vector<std::vector<qsizetype>>& perTerm)
{
    std::size_t total = 0;
    for (const std::vector<qsizetype>& rows : perTerm)
        total += rows.size();
    std::vector<qsizetype> merged;
    merged.reserve(total);
    std::vector<std::size_t> next(perTerm.size(), 0);
    while (merged.size() < total) {
        std::size_t first = perTerm.size();
        for (std::size_t t = 0; t < perTerm.size(); ++t) {
            if (next[t] < perTerm[t].size()
                && (first == perTerm.size() || perTerm[t][next[t]] < perTerm[first][next[first]]))
                first = t;
        }
        merged.push_back(perTerm[first][next[first]++]);
    }
    return merged;
}

// The search floor. Before the timing, as a list kept for searching could hold them: the
// item texts in list order packed into one buffer with their rows' starts, and the terms
// as bytes (they hold no letters, so comparing bytes is comparing without case). Timed:
// for each term one memmem pass over the buffer, each find mapped to its row by walking
// the starts on from the last find's row (where a binary search per find would miss the
// cache on its way through the starts), then the terms' rows merged into the command's
// order. Not included: cutting the search text into terms, the search window and its
// results list.
double searchFloor(const results_list::ListSnapshot& list, const QStringList& searchTerms,
                   std::vector<qsizetype>& finds)
{
    const PackedTexts texts = packItemTexts(list);
    std::vector<std::string> terms;
    for (const QString& term : searchTerms)
        terms.push_back(term.toStdString());
    QElapsedTimer timer;
    timer.start();
    std::vector<std::vector<qsizetype>> perTerm;
    for (const std::string& term : terms)
        perTerm.push_back(rowsHolding(texts, term));
    finds = mergeFinds(perTerm);
    return seconds(timer);
}

// Whether the search window's results are the item texts of the floor's rows, in order.
bool sameFinds(const std::vector<qsizetype>& finds, const results_list::ListSnapshot& listed,
               const results_list::ListSnapshot& results)
{
    if (results.rowCount() != qsizetype(finds.size()))
        return false;
    for (std::size_t i = 0; i < finds.size(); ++i) {
        if (results.cellUtf8(qsizetype(i) + 1, 1) != listed.cellUtf8(finds[i], 1))
            return false;
    }
    return true;
}

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

// What one command took: its time in seconds, and the longest stretch without an event
// pump while it ran, in milliseconds.
struct CommandTime {
    double seconds;
    double gapMs;
};

// Runs one command: a button's click and the events it leaves behind.
CommandTime runCommand(MeteredPump& pump, QPushButton* button)
{
    QElapsedTimer timer;
    timer.start();
    pump.start();
    button->click();
    // Once the command returns, the event loop runs again: what it does next is no stretch
    // without a pump, though it counts in the command's time.
    const double gap = pump.stop();
    QCoreApplication::processEvents();
    return {seconds(timer), gap};
}

// Times one command and the longest stretch without an event pump while it ran.
void timeCommand(const char* name, qint64 rows, MeteredPump& pump, QPushButton* button,
                 double scale = 1, const char* unit = "s")
{
    const CommandTime time = runCommand(pump, button);
    print(name, rows, time.seconds * scale, unit);
    print((std::string(name) + "_pump_gap").c_str(), rows, time.gapMs, "ms");
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

// The copy floor. Before the timing: the text's length in UTF-16 units (a list could keep
// its texts' lengths). Timed: a string of that length, then for each row in list order
// its item text decoded from UTF-8 into the string, and CR LF. A sorted list's texts are
// read where they lie, scattered about the storage, as the command must read them too,
// in the snapshot's pass over its rows, which reads a few rows ahead so that the reads
// overlap. Not included: the clipboard and the message box.
double copyFloor(const results_list::ListSnapshot& list, QString& text)
{
    qsizetype length = 0;
    for (qsizetype r = 1; r <= list.rowCount(); ++r)
        length += list.cellLength(r, 1) + 2;
    QStringDecoder utf8(QStringConverter::Utf8);
    QElapsedTimer timer;
    timer.start();
    text = QString(length, Qt::Uninitialized);
    QChar* out = text.data();
    list.forEachRow(1, list.rowCount(), [&](qsizetype r) {
        out = utf8.appendToBuffer(out, list.cellUtf8(r, 1));
        *out++ = u'\r';
        *out++ = u'\n';
    });
    return seconds(timer);
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

// The widths of the saved file's columns: the longest of each column's cells and header.
// The picks and headers are ASCII, so a text's length is its count of bytes.
std::vector<qsizetype> byteWidths(const results_list::ListSnapshot& list)
{
    std::vector<qsizetype> widths;
    for (int c = 1; c <= list.columnCount(); ++c)
        widths.push_back(list.columnHeader(c).size());
    list.forEachRow(1, list.rowCount(), [&](qsizetype r) {
        for (int c = 1; c <= list.columnCount(); ++c)
            widths[c - 1] = std::max(widths[c - 1], list.cellUtf8(r, c).size());
    });
    return widths;
}

// A cell of the saved file written at `out`: its text padded with spaces to the column's
// width, then a tab. Returns the end.
char* writeCell(char* out, QByteArrayView text, qsizetype width)
{
    out = std::copy(text.begin(), text.end(), out);
    out = std::fill_n(out, width - text.size(), ' ');
    *out++ = '\t';
    return out;
}

// The whole saved file in list order: the header line, then a line per row, each line
// its cells and CR LF.
QByteArray tabbedFile(const results_list::ListSnapshot& list, const std::vector<qsizetype>& widths)
{
    qsizetype lineLength = 2;
    for (const qsizetype width : widths)
        lineLength += width + 1;
    QByteArray file(lineLength * (list.rowCount() + 1), Qt::Uninitialized);
    char* out = file.data();
    for (int c = 1; c <= list.columnCount(); ++c)
        out = writeCell(out, list.columnHeader(c).toUtf8(), widths[c - 1]);
    out = std::copy_n("\r\n", 2, out);
    list.forEachRow(1, list.rowCount(), [&](qsizetype r) {
        for (int c = 1; c <= list.columnCount(); ++c)
            out = writeCell(out, list.cellUtf8(r, c), widths[c - 1]);
        out = std::copy_n("\r\n", 2, out);
    });
    return file;
}

// The save floor. Timed, from the snapshot: the columns' widths, the whole file built in
// one buffer in list order, and the buffer written through a QSaveFile, which syncs it to
// the disk and puts it in the target's place. Both passes over the rows read the texts
// where they lie, in the snapshot's pass over its rows, which reads a few rows ahead. Not
// included: the file dialog, the progress bar and the hourglass.
double saveFloor(const results_list::ListSnapshot& list, const QString& path, QByteArray& bytes)
{
    QElapsedTimer timer;
    timer.start();
    bytes = tabbedFile(list, byteWidths(list));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        std::fprintf(stderr, "save floor: %s\n", qPrintable(file.errorString()));
    return seconds(timer);
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

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

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
