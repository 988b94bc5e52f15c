#include "IniEncoding.h"

#include <QStringView>

namespace settings {

namespace {

bool isPlainKeyCharacter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
           || c == u'_' || c == u'-' || c == u'.';
}

// Two hex digits for a character up to U+00FF, "U" and four above.
QByteArray percentCode(char16_t c)
{
    const int digits = c <= 0xFF ? 2 : 4;
    QByteArray code = QByteArray::number(c, 16).toUpper().rightJustified(digits, '0');
    return (digits == 4 ? QByteArray("%U") : QByteArray("%")) + code;
}

// The escape of a character that does not stand for itself in a value; empty for one
// that does. After "\x" escapes a following hex digit is escaped too, or it would extend
// the escape.
QByteArray valueEscape(char16_t c, bool afterHexEscape)
{
    switch (c) {
        case u'\a':
            return "\\a";
        case u'\b':
            return "\\b";
        case u'\f':
            return "\\f";
        case u'\n':
            return "\\n";
        case u'\r':
            return "\\r";
        case u'\t':
            return "\\t";
        case u'\v':
            return "\\v";
        case u'"':
            return "\\\"";
        case u'\\':
            return "\\\\";
        case u'\0':
            return "\\0";
        default:
            break;
    }
    const bool hexDigit =
        (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    if (c <= 0x1F || (afterHexEscape && hexDigit))
        return "\\x" + QByteArray::number(c, 16);
    return {};
}

bool endsInHexEscape(QByteArrayView escape) { return escape.startsWith("\\x") || escape == "\\0"; }

}  // namespace

QByteArray iniKey(const QString& name)
{
    QByteArray key;
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == u'/')
            key += '\\';
        else if (isPlainKeyCharacter(c))
            key += char(c);
        else
            key += percentCode(c);
    }
    return key;
}

QString iniKeyName(QByteArrayView key)
{
    const QString text = QString::fromUtf8(key);
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            name += u'/';
            continue;
        }
        const qsizetype first = i + 1 < text.size() && text[i + 1] == u'U' ? i + 2 : i + 1;
        const qsizetype digits = first == i + 2 ? 4 : 2;
        bool ok = false;
        const ushort code = text[i] == u'%' && first + digits <= text.size()
                                ? QStringView(text).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (!ok) {
            name += text[i];
            continue;
        }
        name += QChar(code);
        i = first + digits - 1;
    }
    return name;
}

QByteArray iniValue(const QString& text)
{
    QString marked = text;
    if (text.contains(QChar::Null))
        marked = QStringLiteral("@String(") + text + u')';
    else if (text.startsWith(u'@'))
        marked.prepend(u'@');

    QByteArray value;
    QString plain;  // characters that stand for themselves, written as UTF-8 together
    bool afterHexEscape = false;
    bool needsQuotes = false;
    for (const QChar qc : marked) {
        const char16_t c = qc.unicode();
        needsQuotes = needsQuotes || c == u';' || c == u',' || c == u'=';
        const QByteArray escape = valueEscape(c, afterHexEscape);
        afterHexEscape = endsInHexEscape(escape);
        if (escape.isEmpty()) {
            plain += qc;
            continue;
        }
        value += plain.toUtf8() + escape;
        plain.clear();
    }
    value += plain.toUtf8();
    if (needsQuotes || value.startsWith(' ') || value.endsWith(' '))
        return '"' + value + '"';
    return value;
}

}  // namespace settings
