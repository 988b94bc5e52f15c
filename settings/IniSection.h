#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace settings {

// A key of a section and the text it is to hold.
struct IniEntry {
    QString key;
    QString text;
};

// The bytes of an INI file with the given keys of one section set to their texts, read
// the way QSettings reads the file. Only the lines of those keys change: each key's first
// line in the section is replaced, later lines of the same key are removed, and keys the
// section lacks are added after its last line (a section the file lacks is added at its
// end). Every other byte, of other sections and of the section's other lines and comments,
// stays as it was, whatever its encoding.
QByteArray withSectionEntries(const QByteArray& file, const QString& section,
                              const std::vector<IniEntry>& entries);

}  // namespace settings
