#include "DialogFilter.h"

#include <QStringList>

namespace platform {

QList<DialogFilter> dialogFilters(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QList<DialogFilter> filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append({parts[i], parts[i + 1]});
    return filters;
}

}  // namespace platform
