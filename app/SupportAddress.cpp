#include "SupportAddress.h"

namespace app {

QString supportAddress() { return QStringLiteral(NUMORRA_SUPPORT_EMAIL); }

}  // namespace app
