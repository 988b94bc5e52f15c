#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <QVarLengthArray>

namespace results_list {

// A text's UTF-8 bytes, kept inside the object while they are few, so converting a short
// text allocates nothing, where QString::toUtf8() makes a new byte array each time. ASCII
// text is narrowed character by character; other text goes through toUtf8(), so the
// bytes are always those toUtf8() gives.
class Utf8Buffer {
public:
    explicit Utf8Buffer(QStringView text);
    QByteArrayView view() const { return QByteArrayView(bytes_.constData(), bytes_.size()); }

private:
    QVarLengthArray<char, 64> bytes_;
};

}  // namespace results_list
