#pragma once

#include <QString>

namespace settings {

enum class Key {
    Lower,             // Text1 of the main window, the lowest possible number
    Higher,            // Text2, the highest possible number
    PicksToGenerate,   // Text3, the number of picks
    NumbersPerPick,    // Text4, the numbers per pick
    Prefix,            // Text5, the prefix for all picks
    NumericalOrder,    // Check1
    NoDuplicatePicks,  // Check2
    SortPicks,         // Check3
    UniqueNumbers,     // Check4
    Dashes,            // Check5
    SearchText,        // Text1 of the search window
};

// The key's name in the store, spelled exactly as earlier versions stored it.
QString keyName(Key key);
// The value read when the key is absent.
QString defaultValue(Key key);

}  // namespace settings
