#pragma once

#include <QByteArrayView>

namespace results_list {

// Orders two UTF-8 texts by their bytes with ASCII letters folded to lower case: ASCII
// compares case-insensitively, everything else in code point order (which UTF-8 byte
// order preserves). A text that is a prefix of another comes first. Returns <0, 0 or >0.
int compareFolded(QByteArrayView a, QByteArrayView b);

// Eight folded bytes of the text from `from` on, as one big-endian number padded with zero
// bytes. When two texts' heads differ, they order as compareFolded() orders the texts, so
// a sort can compare numbers and read the texts only for equal heads.
quint64 foldedHead(QByteArrayView text, qsizetype from);

}  // namespace results_list
