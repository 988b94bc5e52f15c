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

// Writes a pick's numbers joined by the separator, behind the prefix and two spaces when
// a prefix is given ("Set  3-23-41"); an empty pick gives two single spaces. The
// separator is a Latin-1 character ("-" or " ").
PickTexts makePickTexts(const std::vector<std::int32_t>& numbers, QChar separator,
                        const QString& prefix);

// Removes leading and trailing spaces (spaces only, not other blanks), in place.
QString trimSpaces(QString text);

}  // namespace generation
