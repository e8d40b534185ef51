// The regular-file reading of text/RegularFile.h for Qt's paths and byte arrays.
#pragma once

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <limits>
#include <optional>

#include "text/RegularFile.h"

namespace quillex {

inline std::filesystem::path FileSystemPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

inline std::optional<QByteArray> ReadRegularFile(
    const QString& path, std::size_t limit = std::numeric_limits<std::size_t>::max()) {
    const std::optional<std::string> bytes = ReadRegularFile(FileSystemPath(path), limit);
    if (!bytes) {
        return std::nullopt;
    }
    return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
}

}  // namespace quillex
