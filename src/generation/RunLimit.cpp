#include "RunLimit.h"

#include "RowCost.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace generation {

namespace {

// A run's rows may take what a list may hold, each costing a list row (results_list/RowCost.h).
constexpr std::int64_t kRunMemoryLimit = results_list::kMostListBytes;
constexpr std::int64_t kRowOverheadBytes = results_list::kListRowBytes;

QString withThousands(std::int64_t value)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(value));
}

// A pick's texts hold the prefix and its two spaces, then every number and its separator:
// as shown, and with at least two digits in the sort text.
std::int64_t fixedRowBytes(const RunShape& shape)
{
    return 2 * (shape.prefixBytes + 2) + kRowOverheadBytes;
}

std::int64_t bytesPerNumber(const RunShape& shape)
{
    return shape.numberWidth + 1 + std::max(shape.numberWidth, 2) + 1;
}

// The count per pick that the run's memory allows, plus one: what the count must stay
// below. 0 or less when not even one number a pick fits.
std::int64_t numbersPerPickBound(const RunShape& shape)
{
    const std::int64_t perRow = kRunMemoryLimit / shape.picks - fixedRowBytes(shape);
    return perRow < 0 ? 0 : perRow / bytesPerNumber(shape) + 1;
}

std::int64_t picksBound(const RunShape& shape)
{
    return kRunMemoryLimit / (fixedRowBytes(shape) + bytesPerNumber(shape)) + 1;
}

}  // namespace

int numberWidth(double lowest, double highest)
{
    const auto width = [](double value) {
        const double rounded =
            std::clamp(std::nearbyint(value), double(std::numeric_limits<std::int32_t>::min()),
                       double(std::numeric_limits<std::int32_t>::max()));
        return int(QString::number(qint64(rounded)).size());
    };
    return std::max(width(lowest), width(highest));
}

std::int64_t runBytes(const RunShape& shape)
{
    return shape.picks * (fixedRowBytes(shape) + shape.numbersPerPick * bytesPerNumber(shape));
}

std::int64_t runTextBytes(const RunShape& shape)
{
    return runBytes(shape) - shape.picks * kRowOverheadBytes;
}

QString runSizeProblem(const RunShape& shape)
{
    if (runBytes(shape) <= kRunMemoryLimit && shape.numbersPerPick < kPickNumberLimit)
        return QString();
    const std::int64_t bound = std::min(numbersPerPickBound(shape), kPickNumberLimit);
    if (bound <= 1)
        return QStringLiteral("How Many Picks - Please keep to less than %1.")
            .arg(withThousands(picksBound(shape)));
    return QStringLiteral("Number Of Numbers - Please keep to less than %1.")
        .arg(withThousands(bound));
}

}  // namespace generation
