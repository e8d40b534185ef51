// The tape file "Stack.psz": an array of 256-byte records, each the expression and the result
// of one tape entry as NUL-terminated code page 1252 texts in two 128-byte fields, newest
// entry first.
#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace quillex {

struct TapeEntry {
    QString expression;
    QString result;
    bool operator==(const TapeEntry&) const = default;
};

inline constexpr int kTapeRecordSize = 256;
inline constexpr int kTapeFieldSize = 128;
inline constexpr int kTapeCapacity = 100;

// "Stack.psz" in the current directory.
QString TapeFilePath();

// The entries of the file, at most kTapeCapacity; nothing when the file is missing, empty or
// cannot be read in full. A trailing partial record is ignored, and a field without its
// terminator is cut at 127 characters.
std::optional<std::vector<TapeEntry>> LoadTape(const QString& path);

// Replaces the file atomically, so that a failed write leaves the previous file intact.
// Texts are cut to 127 characters of code page 1252. Returns false when the write failed,
// with the reason in `error` when given.
bool SaveTape(const QString& path, const std::vector<TapeEntry>& entries, QString* error = nullptr);

// The byte form of the file, for the two functions above and for tests.
QByteArray EncodeTape(const std::vector<TapeEntry>& entries);
std::vector<TapeEntry> DecodeTape(const QByteArray& bytes);

}  // namespace quillex
