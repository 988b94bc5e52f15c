#pragma once

#include <QString>

namespace report {

// The support e-mail address named by the error report and the range message; set at
// configure time with the CMake cache variable NUMORRA_SUPPORT_EMAIL.
QString supportAddress();

}  // namespace report
