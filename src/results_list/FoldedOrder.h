#pragma once

#include "RowId.h"

#include <QByteArrayView>

#include <functional>
#include <vector>

namespace results_list {

class RowOrder;

// Orders two UTF-8 texts by their bytes with ASCII letters folded to lower case: ASCII
// compares case-insensitively, everything else in code point order (which UTF-8 byte
// order preserves). A text that is a prefix of another comes first. Returns <0, 0 or >0.
int compareFolded(QByteArrayView a, QByteArrayView b);

// Eight folded bytes of the text from `from` on, as one big-endian number padded with zero
// bytes. When two texts' heads differ, they order as compareFolded() orders the texts, so
// a sort can compare numbers and read the texts only for equal heads.
quint64 foldedHead(QByteArrayView text, qsizetype from);

// The rows of `order` sorted in ascending folded order of their keys, ties in the order
// they stand; keyOf(id) is a row's key.
std::vector<RowId> sortedByFoldedKey(const RowOrder& order,
                                     const std::function<QByteArrayView(RowId)>& keyOf);

}  // namespace results_list
