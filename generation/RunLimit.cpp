#include "RunLimit.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace generation {

std::int64_t numbersPerPickLimit(double picksTyped)
{
    const auto picks = std::max<std::int64_t>(1, std::int64_t(std::nearbyint(picksTyped)));
    return std::max<std::int64_t>(1, kRunNumberLimit / picks);
}

QString tooManyNumbersMessage(std::int64_t limit)
{
    return QStringLiteral("Number Of Numbers - Please keep to less than %1.")
        .arg(QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(limit)));
}

}  // namespace generation
