#pragma once

#include <QByteArrayView>

namespace core {

inline bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

inline char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Whether every byte of the text is ASCII, read eight bytes at a time.
bool isAscii(QByteArrayView text);

}  // namespace core
