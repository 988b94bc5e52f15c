#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace generation {

// The two texts of a pick: as shown in the list, and with every number written with at
// least two digits, by which the list sorts.
struct PickTexts {
    QString pickText;
    QString sortText;
};

// A pick's numbers joined by the Latin-1 separator, behind the prefix and two spaces when
// one is given ("Set  3-23-41"); an empty pick gives two single spaces.
PickTexts makePickTexts(const std::vector<std::int32_t>& numbers, QChar separator,
                        const QString& prefix);

// Removes leading and trailing spaces (spaces only, not other blanks), in place.
QString trimSpaces(QString text);

}  // namespace generation
