#include "IniSection.h"

#include "IniEncoding.h"

#include <QByteArrayView>

#include <algorithm>

namespace settings {

namespace {

// The line break of the lines the store adds (QSettings reads any line break).
constexpr char kLineBreak = '\n';

// One line of an INI file as QSettings reads it: blanks, empty lines and comment lines
// before it are skipped, and a quoted text or a backslash before a line break carries it
// over the break.
struct IniLine {
    qsizetype start = 0;
    qsizetype end = 0;      // before the line break
    qsizetype equals = -1;  // the '=' that ends the key, or -1
    // What finishes the line when the data ends inside it: a line break for a backslash
    // that would take the next byte, a quote for a quote left open. Bytes added after
    // such a line would otherwise become part of it.
    QByteArray unfinished;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

// How many bytes after a backslash belong to it: the escaped byte, and both bytes of a
// two-byte line break.
qsizetype skippedByBackslash(QByteArrayView data, qsizetype after)
{
    if (after >= data.size())
        return 0;
    const bool twoByteBreak = after + 1 < data.size() && isLineBreak(data[after])
                              && isLineBreak(data[after + 1]) && data[after] != data[after + 1];
    return twoByteBreak ? 2 : 1;
}

// Where the comment line that starts at `at` ends, with the blanks after it.
qsizetype commentEnd(QByteArrayView data, qsizetype at)
{
    while (at < data.size() && !isLineBreak(data[at]))
        ++at;
    while (at < data.size() && isBlank(data[at]))
        ++at;
    return at;
}

// Reads the next line from `pos` on; false at the end of the data. A line ends before a
// line break or a ';' outside quotes.
bool nextLine(QByteArrayView data, qsizetype& pos, IniLine& line)
{
    const qsizetype size = data.size();
    qsizetype start = pos;
    while (start < size && isBlank(data[start]))
        ++start;
    bool inQuotes = false;
    line.equals = -1;
    line.unfinished.clear();
    qsizetype i = start;
    for (; i < size; ++i) {
        const char c = data[i];
        if (c == '=' && !inQuotes && line.equals < 0) {
            line.equals = i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '\\') {
            if (i + 1 == size)
                line.unfinished += kLineBreak;
            i += skippedByBackslash(data, i + 1);
        } else if (c == ';' && i == start) {
            i = commentEnd(data, i);
            start = i--;
        } else if ((isLineBreak(c) || c == ';') && !inQuotes) {
            break;
        }
    }
    if (inQuotes)
        line.unfinished += '"';
    pos = i;
    line.start = start;
    line.end = i;
    return i > start;
}

// The section a header line names: the text between '[' and ']', trimmed.
QString sectionName(QByteArrayView header)
{
    const qsizetype close = header.indexOf(']');
    return iniKeyName(header.sliced(1, (close < 0 ? header.size() : close) - 1).trimmed());
}

QByteArray entryLine(const IniEntry& entry)
{
    return iniKey(entry.key) + '=' + iniValue(entry.text);
}

// A stretch of the file replaced by other bytes (removed when they are empty).
struct Edit {
    qsizetype start;
    qsizetype end;
    QByteArray bytes;
};

// The end of a line with the line break after it.
qsizetype withLineBreak(QByteArrayView data, qsizetype end)
{
    if (end < data.size() && data[end] == '\r')
        ++end;
    if (end < data.size() && data[end] == '\n')
        ++end;
    return end;
}

// Where the section's new lines go, and what they are.
struct Additions {
    QByteArray lines;           // the keys the section lacks
    qsizetype at = -1;          // the end of the section's last line that stays; -1 without one
    QByteArray finishLastLine;  // what the file's last line needs before bytes after it
};

// Edits the section's lines of the given keys into `edits`; returns what is to be added.
Additions editKeyLines(QByteArrayView data, const QString& section,
                       const std::vector<IniEntry>& entries, std::vector<Edit>& edits)
{
    Additions additions;
    std::vector<bool> placed(entries.size(), false);
    bool inSection = false;
    IniLine line;
    for (qsizetype pos = 0; nextLine(data, pos, line);) {
        additions.finishLastLine = line.unfinished;
        const QByteArrayView text = data.sliced(line.start, line.end - line.start);
        if (text.startsWith('[')) {
            inSection = sectionName(text) == section;
            if (inSection)
                additions.at = line.end;
            continue;
        }
        if (!inSection)
            continue;
        const QString key =
            line.equals < 0
                ? QString()
                : iniKeyName(data.sliced(line.start, line.equals - line.start).trimmed());
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [&](const IniEntry& e) { return e.key == key; });
        if (line.equals < 0 || entry == entries.end()) {
            additions.at = line.end;
            continue;
        }
        additions.finishLastLine.clear();
        const std::size_t index = std::size_t(entry - entries.begin());
        if (placed[index]) {
            edits.push_back({line.start, withLineBreak(data, line.end), {}});
            continue;
        }
        placed[index] = true;
        additions.at = line.end;
        edits.push_back({line.start, line.end, entryLine(*entry)});
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!placed[i])
            additions.lines += kLineBreak + entryLine(entries[i]);
    }
    return additions;
}

// A new section with the given keys at the end of the file, after an empty line.
QByteArray newSection(QByteArrayView data, const QString& section, const QByteArray& lines)
{
    QByteArray tail;
    if (!data.isEmpty() && !isLineBreak(data.back()))
        tail += kLineBreak;
    if (!data.isEmpty())
        tail += kLineBreak;
    return tail + '[' + iniKey(section) + ']' + lines + kLineBreak;
}

}  // namespace

QByteArray withSectionEntries(const QByteArray& file, const QString& section,
                              const std::vector<IniEntry>& entries)
{
    // QSettings skips a byte order mark at the start.
    const qsizetype bom = file.startsWith("\xef\xbb\xbf") ? 3 : 0;
    const QByteArrayView data = QByteArrayView(file).sliced(bom);
    std::vector<Edit> edits;
    const Additions additions = editKeyLines(data, section, entries, edits);
    const QByteArray atEnd = additions.finishLastLine;
    if (additions.at < 0)
        edits.push_back(
            {data.size(), data.size(), atEnd + newSection(data, section, additions.lines)});
    else if (!additions.lines.isEmpty())
        edits.push_back({additions.at, additions.at,
                         (additions.at == data.size() ? atEnd : QByteArray()) + additions.lines});
    // No two edits start at the same place: a line starts after the end of the one before.
    std::sort(edits.begin(), edits.end(),
              [](const Edit& a, const Edit& b) { return a.start < b.start; });

    QByteArray result = file.first(bom);
    qsizetype copied = 0;
    for (const Edit& edit : edits) {
        result += data.sliced(copied, edit.start - copied);
        result += edit.bytes;
        copied = edit.end;
    }
    result += data.sliced(copied);
    return result;
}

}  // namespace settings
