#pragma once

#include <QByteArray>
#include <QString>

// The text encoding of QSettings' INI files, so that a file the store writes reads back
// through QSettings exactly as QSettings would have written it.
namespace settings {

// A key or section name as it stands in the file: letters, digits, '_', '-' and '.' as
// they are, '/' as '\', other characters as %XX (or %UXXXX above U+00FF). So a space is
// "%20".
QByteArray iniKey(const QString& name);

// The name a key or section of the file stands for (the reverse of iniKey).
QString iniKeyName(QByteArrayView key);

// A text value as it stands after the '=': UTF-8, with backslash escapes for control
// characters, quotes and backslashes, in quotes when it holds ';', ',' or '=' or starts or
// ends with a space. A text starting with '@' gets a second '@', and a text holding NUL is
// marked "@String(...)", as QSettings marks them.
QByteArray iniValue(const QString& text);

}  // namespace settings
