#include "SupportAddress.h"

namespace report {

QString supportAddress() { return QStringLiteral(NUMORRA_SUPPORT_EMAIL); }

}  // namespace report
