#pragma once

#include "RowId.h"

#include <QByteArrayView>

#include <functional>
#include <vector>

namespace results_list {

// <0, 0 or >0 by UTF-8 bytes with ASCII letters folded to lower case; a prefix comes first.
int compareFolded(QByteArrayView a, QByteArrayView b);

// The rows of `order` stably sorted by keyOf(id) in folded order.
std::vector<RowId> sortedByFoldedKey(const std::vector<RowId>& order,
                                     const std::function<QByteArrayView(RowId)>& keyOf);

}  // namespace results_list
