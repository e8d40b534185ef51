#include "store/IniText.h"

#include <QStringEncoder>

#include <algorithm>
#include <vector>

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
void AppendName(QByteArray& out, QStringView name) {
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
    // The characters that go out as UTF-8 are encoded a run at a time; the encoder keeps a
    // surrogate across runs, so a pair split by an escape still encodes as one character.
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    qsizetype run = 0;
    qsizetype runLength = 0;
    const auto endRun = [&] {
        if (runLength > 0) {
            const qsizetype at = out.size();
            out.resize(at + toUtf8.requiredSpace(runLength));
            const char* end =
                toUtf8.appendToBuffer(out.data() + at, QStringView(text).sliced(run, runLength));
            out.truncate(end - out.constData());
            runLength = 0;
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        needsQuotes = needsQuotes || c == u';' || c == u',' || c == u'=';
        const bool plain =
            !(escapeNextIfHex && IsHexDigit(c)) && c > 0x1F && c != u'"' && c != u'\\';
        if (plain) {
            if (runLength == 0) {
                run = i;
            }
            ++runLength;
            escapeNextIfHex = false;
            continue;
        }
        endRun();
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
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextIfHex = true;
        }
    }
    endRun();
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

}  // namespace

QByteArray IniText(const IniValues& values) {
    // By section, the general one (no name) first, and within each by name. Of two values
    // that land on the same section and name the later one stands.
    struct Entry {
        QStringView section;
        QStringView name;
        const QString* value;
    };
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(values.size()));
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        const QStringView key(value.key());
        const qsizetype slash = key.indexOf(u'/');
        entries.push_back(slash < 0
                              ? Entry{QStringView(), key, &value.value()}
                              : Entry{key.first(slash), key.sliced(slash + 1), &value.value()});
    }
    const auto before = [](const Entry& a, const Entry& b) {
        const int section = a.section.compare(b.section);
        return section != 0 ? section < 0 : a.name.compare(b.name) < 0;
    };
    std::stable_sort(entries.begin(), entries.end(), before);
    QByteArray out;
    const Entry* written = nullptr;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (i + 1 < entries.size() && !before(entry, entries[i + 1])) {
            continue;
        }
        if (written == nullptr || written->section != entry.section) {
            if (!out.isEmpty()) {
                out += '\n';
            }
            QByteArray name;
            AppendName(name, entry.section);
            if (name.isEmpty()) {
                name = "General";
            } else if (name.compare("general", Qt::CaseInsensitive) == 0) {
                // A section of that name in any case is marked, so that it is not read as the
                // general one; its case stays, so that it reads back as it was.
                name.prepend('%');
            }
            out += '[' + name + "]\n";
        }
        AppendName(out, entry.name);
        out += '=';
        AppendValue(out, *entry.value);
        out += '\n';
        written = &entry;
    }
    return out;
}

}  // namespace quillex
