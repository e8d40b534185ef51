#include "store/IniText.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>

#include <array>

namespace quillex {
namespace {

// A stored value of another type as text, as the settings have always read it.
QString VariantText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QStringList:
            return value.toStringList().join(u',');
        case QMetaType::QVariantList: {
            QStringList parts;
            for (const QVariant& part : value.toList()) {
                parts.append(VariantText(part));
            }
            return parts.join(u',');
        }
        case QMetaType::QByteArray:
            return QString::fromUtf8(value.toByteArray());
        default:
            return value.toString();
    }
}

bool IsLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The bytes at which the line reader has something to decide; it passes over all others with
// one test each.
constexpr std::array<bool, 256> kLineStops = [] {
    std::array<bool, 256> stops{};
    for (const char c : {'=', '\n', '\r', '\\', '"', ';'}) {
        stops[static_cast<unsigned char>(c)] = true;
    }
    return stops;
}();

// One logical line from `pos` on: leading blanks and comment lines skipped; it ends at a line
// break outside quotes (a backslash carries it over the break) or at a ';' outside quotes.
// `equals` is the first '=' outside quotes, or -1. False at the end of the text.
bool ReadLine(QByteArrayView text, qsizetype& pos, qsizetype& start, qsizetype& length,
              qsizetype& equals) {
    // The bytes themselves: this loop runs over every byte of the file, twice.
    const char* const data = text.data();
    const qsizetype size = text.size();
    bool inQuotes = false;
    equals = -1;
    start = pos;
    while (start < size && IsLineSpace(data[start])) {
        ++start;
    }
    qsizetype i = start;
    while (i < size) {
        if (!kLineStops[static_cast<unsigned char>(data[i])]) {
            ++i;
            continue;
        }
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && equals == -1) {
                equals = i - 1;
            }
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char next = data[i++];
                if (i < size) {
                    const char after = data[i];
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n')) {
                        ++i;
                    }
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r') {
                    ++i;
                }
                while (i < size && IsLineSpace(data[i])) {
                    ++i;
                }
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    length = i - start;
    return length > 0;
}

// A name: '\' stands for '/', %XX and %UXXXX for the character of that code.
QString UnescapedName(QByteArrayView name) {
    const QString decoded = QString::fromUtf8(name);
    if (!name.contains('\\') && !name.contains('%')) {
        return decoded;
    }
    QString result;
    qsizetype i = 0;
    while (i < decoded.size()) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == decoded.size() - 1) {
            result += c;
            ++i;
            continue;
        }
        const bool wide = decoded[i + 1] == u'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = first + digits <= decoded.size();
        const ushort code = ok ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

// A name as QSettings looks it up: no '/' at either end, and none doubled.
QString NormalisedName(const QString& name) {
    if (!name.startsWith(u'/') && !name.endsWith(u'/') && !name.contains(QLatin1String("//"))) {
        return name;
    }
    QString result;
    result.reserve(name.size());
    for (const QChar c : name) {
        if (c != u'/' || (!result.isEmpty() && !result.endsWith(u'/'))) {
            result += c;
        }
    }
    if (result.endsWith(u'/')) {
        result.chop(1);
    }
    return result;
}

void ChopTrailingSpaces(QString& text, qsizetype limit) {
    qsizetype n = text.size();
    while (n > limit && (text[n - 1] == u' ' || text[n - 1] == u'\t')) {
        --n;
    }
    text.truncate(n);
}

QString ValueText(const QString& s);

// A value's text: quotes, escapes and UTF-8 undone; unquoted commas separate list items, each
// read by ValueText and joined again with ','.
QString UnescapedValue(QByteArrayView text) {
    static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                           {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                           {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QString value;
    bool firstItem = true;
    const auto take = [&](const QString& item) {
        if (firstItem) {
            value = ValueText(item);
            firstItem = false;
        } else {
            value += u',';
            value += ValueText(item);
        }
    };
    QString item;
    bool inQuotes = false;
    bool quoted = false;  // the current item had quotes: its trailing blanks stay
    // A U+FEFF in a value is a character of it, wherever it stands (QSettings drops one at the
    // start of what it decodes, so such a text would not read back as it was written).
    QStringDecoder fromUtf8(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    qsizetype i = 0;
    qsizetype chopLimit = 0;
    bool cutShort = false;  // the text ended inside an escape: nothing is chopped
    const auto skipSpaces = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
    };
    // A numeric escape: digits of the base while they last, the code wrapping at 16 bits.
    const auto numeric = [&](int shift, auto isDigit, auto value) {
        char16_t code = 0;
        while (i < text.size() && isDigit(text[i])) {
            code = static_cast<char16_t>((code << shift) + value(text[i]));
            ++i;
        }
        item += QChar(code);
        chopLimit = item.size();
    };
    skipSpaces();
    chopLimit = item.size();
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            ++i;
            if (i >= text.size()) {
                cutShort = true;
                break;
            }
            const char e = text[i++];
            bool known = false;
            for (const auto& escape : kEscapes) {
                if (e == escape[0]) {
                    item += QLatin1Char(escape[1]);
                    known = true;
                }
            }
            if (known) {
                chopLimit = item.size();
                continue;
            }
            const auto isHex = [](char d) {
                return (d >= '0' && d <= '9') || (d >= 'a' && d <= 'f') || (d >= 'A' && d <= 'F');
            };
            if (e == 'x') {
                if (i >= text.size()) {
                    cutShort = true;
                    break;
                }
                if (isHex(text[i])) {
                    numeric(4, isHex,
                            [](char d) { return d <= '9' ? d - '0' : (d | 0x20) - 'a' + 10; });
                    continue;
                }
            } else if (e >= '0' && e <= '7') {
                --i;
                numeric(
                    3, [](char d) { return d >= '0' && d <= '7'; }, [](char d) { return d - '0'; });
                continue;
            } else if ((e == '\n' || e == '\r') && i < text.size()) {
                const char after = text[i];
                if ((after == '\n' || after == '\r') && after != e) {
                    ++i;
                }
            }
            chopLimit = item.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = item.size();
            }
        } else if (c == ',' && !inQuotes) {
            if (!quoted) {
                ChopTrailingSpaces(item, chopLimit);
            }
            take(item);
            item.clear();
            quoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
        } else {
            qsizetype j = i + 1;
            while (j < text.size() && text[j] != '\\' && text[j] != '"' && text[j] != ',') {
                ++j;
            }
            // Decoded straight into the item, which the decoder's own text would only be
            // copied to.
            const qsizetype at = item.size();
            item.resize(at + fromUtf8.requiredSpace(j - i));
            const QChar* end = fromUtf8.appendToBuffer(item.data() + at, text.sliced(i, j - i));
            item.truncate(end - item.constData());
            i = j;
        }
    }
    if (!quoted && !cutShort) {
        ChopTrailingSpaces(item, chopLimit);
    }
    take(item);
    return value;
}

// The text of a value as QSettings hands it over and the settings read it: the '@' forms of
// stored types undone, and what is no text at all (a rectangle, nothing) empty.
QString ValueText(const QString& s) {
    if (s.startsWith(u'@') && s.endsWith(u')')) {
        const auto argumentCount = [&](qsizetype open) {
            qsizetype count = 0;
            for (qsizetype i = open + 1; i < s.size(); ++i) {
                count += s[i] == u')' || s[i] == u' ' ? 1 : 0;
            }
            return count;
        };
        if (s.startsWith(QLatin1String("@ByteArray("))) {
            return QString::fromUtf8(QStringView(s).sliced(11).chopped(1).toLatin1());
        }
        if (s.startsWith(QLatin1String("@String("))) {
            return s.sliced(8).chopped(1);
        }
        if (s.startsWith(QLatin1String("@Variant(")) || s.startsWith(QLatin1String("@DateTime("))) {
            const bool dateTime = s[1] == u'D';
            QByteArray bytes = QStringView(s).sliced(dateTime ? 10 : 9).toLatin1();
            QDataStream stream(&bytes, QIODevice::ReadOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            QVariant value;
            stream >> value;
            return VariantText(value);
        }
        if ((s.startsWith(QLatin1String("@Rect(")) && argumentCount(5) == 4) ||
            (s.startsWith(QLatin1String("@Size(")) && argumentCount(5) == 2) ||
            (s.startsWith(QLatin1String("@Point(")) && argumentCount(6) == 2) ||
            s == QLatin1String("@Invalid()")) {
            return QString();
        }
    }
    return s.startsWith(QLatin1String("@@")) ? s.sliced(1) : s;
}

}  // namespace

IniValues ParseIni(const QByteArray& file) {
    QByteArrayView data(file);
    if (data.startsWith("\xef\xbb\xbf")) {
        data = data.sliced(3);
    }
    // Each section's lines, by section name with its '/'; a section that comes again goes on.
    QMap<QString, QByteArray> sections;
    QString section;
    qsizetype sectionStart = 0;
    qsizetype pos = 0;
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = 0;
    const auto flush = [&] {
        QByteArray& lines = sections[section];
        if (!lines.isEmpty()) {
            lines += '\n';
        }
        lines += data.sliced(sectionStart, start - sectionStart).toByteArray();
    };
    while (ReadLine(data, pos, start, length, equals)) {
        const QByteArrayView line = data.sliced(start, length);
        if (!line.startsWith('[')) {
            continue;
        }
        flush();
        qsizetype end = line.indexOf(']');
        end = end < 0 ? length : end;
        const QByteArrayView name = line.first(end).sliced(1).trimmed();
        if (name.compare("general", Qt::CaseInsensitive) == 0) {
            section.clear();
        } else {
            section = name.compare("%general", Qt::CaseInsensitive) == 0
                          ? QString::fromLatin1(name.sliced(1))
                          : UnescapedName(name);
            section += u'/';
        }
        sectionStart = pos;
    }
    start = data.size();
    flush();

    IniValues values;
    for (auto lines = sections.cbegin(); lines != sections.cend(); ++lines) {
        const QByteArrayView text(lines.value());
        pos = 0;
        while (ReadLine(text, pos, start, length, equals)) {
            if (equals < 0) {
                continue;
            }
            const QByteArrayView line = text.sliced(start, length);
            const qsizetype at = equals - start;
            // A value without a name is none.
            const QString name =
                NormalisedName(lines.key() + UnescapedName(line.first(at).trimmed()));
            if (!name.isEmpty()) {
                values.insert(name, UnescapedValue(line.sliced(at + 1)));
            }
        }
    }
    return values;
}

}  // namespace quillex
