// Russian texts of a test, written in UTF-8, as the widgets show them.
#pragma once

#include <QString>

namespace trelio::test {

inline QString Ru(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace trelio::test
