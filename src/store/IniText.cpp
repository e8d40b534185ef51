#include "store/IniText.h"

#include <QStringEncoder>

namespace quillex {
namespace {

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

void AppendHex(QByteArray& out, const char* prefix, unsigned value, int width) {
    out += prefix;
    out += QByteArray::number(value, 16).toUpper().rightJustified(width, '0');
}

// A section or value name: letters, digits and "_-." as they are, '/' as '\', any other
// character as %XX or %UXXXX.
void AppendName(QByteArray& out, const QString& name) {
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                   (c >= u'0' && c <= u'9') || c == u'_' || c == u'-' || c == u'.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            AppendHex(out, "%", c, 2);
        } else {
            AppendHex(out, "%U", c, 4);
        }
    }
}

// A text value: a leading '@' doubled (a text holding a NUL goes inside "@String(...)"),
// control characters, quotes and backslashes escaped, everything else in UTF-8, and the whole
// in quotes when it holds ';', ',' or '=' or begins or ends with a blank.
void AppendValue(QByteArray& out, QString text) {
    if (text.contains(QChar::Null)) {
        text = QStringLiteral("@String(") + text + u')';
    } else if (text.startsWith(u'@')) {
        text.prepend(u'@');
    }
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHex = false;  // after a numeric escape, a hex digit would extend it
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        needsQuotes = needsQuotes || c == u';' || c == u',' || c == u'=';
        if (escapeNextIfHex && IsHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
            case u'\0':
                out += "\\0";
                escapeNextIfHex = true;
                break;
            case u'\a':
                out += "\\a";
                break;
            case u'\b':
                out += "\\b";
                break;
            case u'\f':
                out += "\\f";
                break;
            case u'\n':
                out += "\\n";
                break;
            case u'\r':
                out += "\\r";
                break;
            case u'\t':
                out += "\\t";
                break;
            case u'\v':
                out += "\\v";
                break;
            case u'"':
            case u'\\':
                out += '\\';
                out += static_cast<char>(c);
                break;
            default:
                if (c <= 0x1F) {
                    out += "\\x" + QByteArray::number(c, 16);
                    escapeNextIfHex = true;
                } else {
                    out += QByteArray(toUtf8(qc));
                }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

}  // namespace

QByteArray IniText(const IniValues& values) {
    // By section, the general one (no name) first.
    QMap<QString, QMap<QString, QString>> sections;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        const qsizetype slash = value.key().indexOf(u'/');
        const QString section = slash < 0 ? QString() : value.key().left(slash);
        sections[section].insert(slash < 0 ? value.key() : value.key().mid(slash + 1),
                                 value.value());
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!out.isEmpty()) {
            out += '\n';
        }
        QByteArray name;
        AppendName(name, section.key());
        if (name.isEmpty()) {
            name = "General";
        } else if (name.compare("general", Qt::CaseInsensitive) == 0) {
            name = "%General";
        }
        out += '[' + name + "]\n";
        for (auto value = section->cbegin(); value != section->cend(); ++value) {
            AppendName(out, value.key());
            out += '=';
            AppendValue(out, value.value());
            out += '\n';
        }
    }
    return out;
}

}  // namespace quillex
