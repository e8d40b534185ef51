// Reading the files the program finds on disk: data files, the tape, the tips, the settings.
// Only regular files are read. Anything else found under the name (a folder, a FIFO, a
// device, a socket) counts as a missing file, and opening never waits: a FIFO with no writer
// would otherwise hold the start for ever.
#pragma once

#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

namespace quillex {

// The most read of a data file (a region file, conv.dat). The largest valid one is a few
// megabytes; a bigger file is read only up to here, as if it ended there.
inline constexpr std::size_t kMaxDataFileSize = std::size_t{16} << 20;

// A descriptor open for reading, or -1 when `path` is missing, unreadable or no regular file.
// It is closed on exec; the caller closes it.
int OpenRegularFile(const std::filesystem::path& path);
void CloseFile(int fd);

// At most the first `limit` bytes of the regular file at `path`; nothing when it cannot be
// opened as above or a read fails. Never throws.
std::optional<std::string> ReadRegularFile(
    const std::filesystem::path& path, std::size_t limit = std::numeric_limits<std::size_t>::max());

}  // namespace quillex
