#pragma once

#include "PickSearch.h"

#include <QString>
#include <QtGlobal>

namespace search {

// What the search window's list would hold after a search.
struct SearchSize {
    qint64 heldRows = 0;
    qint64 heldTextBytes = 0;
    FindCount found;
};

bool findsFit(const SearchSize& size);

QString tooManyFindsMessage(const SearchSize& size);

}  // namespace search
