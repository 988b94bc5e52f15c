#include "Floors.h"

#include "ClockRandom.h"
#include "ListSnapshot.h"
#include "Measures.h"
#include "ResultsList.h"

#include <QElapsedTimer>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <unordered_set>

namespace bench {

namespace {

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

// The widths of the saved file's columns: the longest of each column's cells and header.
// The picks and headers are ASCII, so a text's length is its count of bytes.
std::vector<qsizetype> byteWidths(const results_list::ListSnapshot& list)
{
    std::vector<qsizetype> widths;
    for (int c = 1; c <= list.columnCount(); ++c)
        widths.push_back(list.columnHeader(c).size());
    for (qsizetype r = 1; r <= list.rowCount(); ++r) {
        for (int c = 1; c <= list.columnCount(); ++c)
            widths[c - 1] = std::max(widths[c - 1], list.cellUtf8(r, c).size());
    }
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
    for (qsizetype r = 1; r <= list.rowCount(); ++r) {
        for (int c = 1; c <= list.columnCount(); ++c)
            out = writeCell(out, list.cellUtf8(r, c), widths[c - 1]);
        out = std::copy_n("\r\n", 2, out);
    }
    return file;
}

}  // namespace

generation::PickTexts randomPick(platform::ClockRandom& random, int highest, const QString& prefix)
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

void printFloors(const std::string& name, qint64 rows, const Floor& floor, double bandwidth)
{
    print((name + "_floor").c_str(), rows, floor.seconds, "s");
    print((name + "_bandwidth_floor").c_str(), rows, double(floor.bytes) / bandwidth, "s");
}

void checkSameOutput(bool same, const std::string& name)
{
    if (!same)
        std::fprintf(stderr, "%s: the floor's output differs from the command's\n", name.c_str());
}

qint64 columnBytes(const results_list::ListSnapshot& list, int column)
{
    qint64 bytes = 0;
    for (qsizetype r = 1; r <= list.rowCount(); ++r)
        bytes += list.cellUtf8(r, column).size();
    return bytes;
}

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
    for (qsizetype r = 1; r <= list.rowCount(); ++r) {
        out = utf8.appendToBuffer(out, list.cellUtf8(r, 1));
        *out++ = u'\r';
        *out++ = u'\n';
    }
    return seconds(timer);
}

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

}  // namespace bench
