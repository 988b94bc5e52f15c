#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <QVarLengthArray>

namespace results_list {

// A text's UTF-8 (as toUtf8() gives it), inline while short so converting allocates nothing.
class Utf8Buffer {
public:
    explicit Utf8Buffer(QStringView text);
    QByteArrayView view() const { return QByteArrayView(bytes_.constData(), bytes_.size()); }

private:
    QVarLengthArray<char, 64> bytes_;
};

}  // namespace results_list
