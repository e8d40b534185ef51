// A libFuzzer target over the store's byte and text parsers, fed with arbitrary bytes:
//   - DecodeTape on the whole input, as LoadTape hands it a file's content, and on the input
//     repeated past the tape's capacity;
//   - LoadTape on a file holding the input, and on the file SaveTape writes from what was
//     loaded;
//   - EncodeTape on texts made from the input read as UTF-16 (lone surrogates included);
//   - ParsePlacement on the input read as UTF-8.
//
// Besides the sanitizers' checks it checks what must hold for every input: at most 100
// entries, texts of at most 127 characters without NUL, a decoded tape encodes and decodes to
// itself, every record's fields carry their terminator, and a parsed placement formats to a
// text that parses to the same placement. A full tape holds the first 100 records, whole
// records repeating with the input. A file loads as its whole content decodes, nothing for an
// empty file; what was loaded saves and loads again unchanged, and a save leaves no other file
// behind. That a longer file is read only as far as the tape holds is a test's matter: the
// fuzzer would write a file of 100 records for every input.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <vector>

#include "store/Placement.h"
#include "store/TapeFile.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "FuzzTape: %s\n", what);
        std::abort();
    }
}

std::vector<quillex::TapeEntry> CheckDecodedTape(const QByteArray& bytes) {
    const std::vector<quillex::TapeEntry> entries = quillex::DecodeTape(bytes);
    const qsizetype records = bytes.size() / quillex::kTapeRecordSize;
    Check(static_cast<qsizetype>(entries.size()) ==
              std::min<qsizetype>(records, quillex::kTapeCapacity),
          "record count");
    for (const quillex::TapeEntry& entry : entries) {
        for (const QString* text : {&entry.expression, &entry.result}) {
            Check(text->size() < quillex::kTapeFieldSize, "text longer than a field");
            Check(!text->contains(QChar(0)), "NUL inside a text");
        }
    }
    Check(quillex::DecodeTape(quillex::EncodeTape(entries)) == entries, "tape round trip");
    return entries;
}

// The input repeated past the tape's capacity, which the fuzzer's inputs seldom are: the first
// kTapeCapacity records, which begin with the input's own; whole records repeat with it.
void CheckFullTape(const QByteArray& bytes, const std::vector<quillex::TapeEntry>& own) {
    const qsizetype full = qsizetype{quillex::kTapeCapacity + 1} * quillex::kTapeRecordSize;
    const std::vector<quillex::TapeEntry> entries =
        quillex::DecodeTape(bytes.repeated(full / bytes.size() + 1));
    Check(entries.size() == quillex::kTapeCapacity, "a full tape's record count");
    const bool whole = bytes.size() % quillex::kTapeRecordSize == 0;
    for (std::size_t i = 0; i < entries.size() && (whole || i < own.size()); ++i) {
        Check(entries[i] == own[i % own.size()], "a repeated record decodes differently");
    }
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    Check(
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
        "cannot write the test file");
}

// LoadTape reads at most the capacity's records of a file, which must give what decoding the
// whole content gives.
void CheckLoadedFile(const QDir& folder, const QByteArray& bytes,
                     const std::vector<quillex::TapeEntry>& decoded) {
    const QString path = folder.filePath(QStringLiteral("Stack.psz"));
    WriteFile(path, bytes);
    const std::optional<std::vector<quillex::TapeEntry>> loaded = quillex::LoadTape(path);
    Check(loaded.has_value() == !bytes.isEmpty(), "an empty file loads nothing, any other loads");
    if (!loaded) {
        return;
    }
    Check(*loaded == decoded, "a file loads as its content decodes");

    const QString saved = folder.filePath(QStringLiteral("Saved.psz"));
    Check(quillex::SaveTape(saved, *loaded), "save failed");
    const std::optional<std::vector<quillex::TapeEntry>> again = quillex::LoadTape(saved);
    Check(again.value_or(std::vector<quillex::TapeEntry>{}) == *loaded, "save and load again");
    // Counted without QDir, which looks at every entry's type and sorts the names; the folder
    // holds nothing but the files written here.
    const std::filesystem::directory_iterator entries(folder.path().toStdString());
    Check(std::distance(begin(entries), end(entries)) == 2, "a save left a file behind");
}

void CheckEncodedTexts(const uint8_t* data, size_t size) {
    const QString text(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    const qsizetype half = text.size() / 2;
    const std::vector<quillex::TapeEntry> entries = {{text.left(half), text.mid(half)},
                                                     {text, QString()}};
    const QByteArray bytes = quillex::EncodeTape(entries);
    Check(bytes.size() == static_cast<qsizetype>(entries.size()) * quillex::kTapeRecordSize,
          "encoded size");
    for (qsizetype field = 0; field < bytes.size(); field += quillex::kTapeFieldSize) {
        Check(bytes.indexOf('\0', field) < field + quillex::kTapeFieldSize, "field terminator");
    }
    Check(quillex::DecodeTape(bytes).size() == entries.size(), "encoded entries lost");
}

void CheckPlacement(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<quillex::Placement> parsed = quillex::ParsePlacement(text);
    if (!parsed) {
        return;
    }
    const QString formatted = quillex::FormatPlacement(*parsed);
    const std::optional<quillex::Placement> again = quillex::ParsePlacement(formatted);
    Check(again.has_value(), "formatted placement does not parse");
    Check(quillex::FormatPlacement(*again) == formatted, "placement round trip");
    Check(quillex::PlacementFits(*parsed, *again), "placement does not fit itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The files go to memory where the system offers it: a save waits until its file is on disk.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/quillex-fuzz-tape-XXXXXX")
                                    : QDir::tempPath() +
                                          QStringLiteral("/quillex-fuzz-tape-XXXXXX"));
    Check(folder.isValid(), "no temporary folder");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<quillex::TapeEntry> decoded = CheckDecodedTape(bytes);
    CheckLoadedFile(QDir(folder.path()), bytes, decoded);
    if (!bytes.isEmpty()) {
        CheckFullTape(bytes, decoded);
    }
    CheckEncodedTexts(data, size);
    CheckPlacement(data, size);
    return 0;
}
