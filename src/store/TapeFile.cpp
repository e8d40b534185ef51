#include "store/TapeFile.h"

#include "store/AtomicFile.h"
#include "store/QtRegularFile.h"
#include "text/Cp1252.h"

#include <QByteArray>
#include <QDir>

#include <algorithm>
#include <cstring>

namespace quillex {
namespace {

constexpr int kTapeTextLimit = kTapeFieldSize - 1;

// Writes at most 127 characters; the rest of the field stays zero, which gives the terminator.
// A NUL inside the text would end it on reading anyway, so the text ends there.
void EncodeField(const QString& text, char* field) {
    int length = 0;
    for (qsizetype i = 0; i < text.size() && length < kTapeTextLimit; ++i) {
        char32_t codePoint = text[i].unicode();
        if (QChar::isHighSurrogate(codePoint) && i + 1 < text.size() &&
            text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (codePoint == 0) {
            break;
        }
        // A lone surrogate is no character at all and finds no byte either.
        const std::optional<unsigned char> byte =
            QChar::isSurrogate(codePoint) ? std::nullopt : CodePointToCp1252(codePoint);
        field[length++] = byte ? static_cast<char>(*byte) : '?';
    }
}

QString DecodeField(const char* field) {
    const void* nul = std::memchr(field, '\0', kTapeTextLimit);
    const char* end = nul != nullptr ? static_cast<const char*>(nul) : field + kTapeTextLimit;
    QString text(end - field, Qt::Uninitialized);
    QChar* out = text.data();
    for (const char* p = field; p != end; ++p) {
        // Every position of the code page lies in the Basic Multilingual Plane.
        *out++ = QChar(static_cast<char16_t>(Cp1252ToCodePoint(static_cast<unsigned char>(*p))));
    }
    return text;
}

}  // namespace

QString TapeFilePath() {
    return QDir::current().filePath(QStringLiteral("Stack.psz"));
}

QByteArray EncodeTape(const std::vector<TapeEntry>& entries) {
    QByteArray bytes(static_cast<qsizetype>(entries.size()) * kTapeRecordSize, '\0');
    char* record = bytes.data();
    for (const TapeEntry& entry : entries) {
        EncodeField(entry.expression, record);
        EncodeField(entry.result, record + kTapeFieldSize);
        record += kTapeRecordSize;
    }
    return bytes;
}

std::vector<TapeEntry> DecodeTape(const QByteArray& bytes) {
    const qsizetype count = std::min<qsizetype>(bytes.size() / kTapeRecordSize, kTapeCapacity);
    std::vector<TapeEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i) {
        const char* record = bytes.constData() + i * kTapeRecordSize;
        entries.push_back(TapeEntry{DecodeField(record), DecodeField(record + kTapeFieldSize)});
    }
    return entries;
}

std::optional<std::vector<TapeEntry>> LoadTape(const QString& path) {
    // Records beyond the capacity are never used, so a huge file is not read in full.
    const std::optional<QByteArray> bytes =
        ReadRegularFile(path, std::size_t{kTapeCapacity} * kTapeRecordSize);
    if (!bytes || bytes->isEmpty()) {
        return std::nullopt;
    }
    return DecodeTape(*bytes);
}

bool SaveTape(const QString& path, const std::vector<TapeEntry>& entries, QString* error) {
    const QString failure = ReplaceFileContent(path, EncodeTape(entries));
    if (error != nullptr) {
        *error = failure;
    }
    return failure.isEmpty();
}

}  // namespace quillex
