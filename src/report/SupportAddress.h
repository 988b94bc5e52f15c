#pragma once

#include <QString>

namespace report {

// The support e-mail address, set with the CMake cache variable NUMORRA_SUPPORT_EMAIL.
QString supportAddress();

}  // namespace report
