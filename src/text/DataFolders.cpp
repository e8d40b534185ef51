#include "text/DataFolders.h"

#include <string>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace quillex {
namespace {

bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::filesystem::path ProgramPath() {
#ifdef _WIN32
    // The buffer grows until the whole path fits; Windows paths end at 32767 characters.
    std::wstring buffer(MAX_PATH, L'\0');
    while (buffer.size() <= 32768) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
    return {};
#else
    // Linux names the running program's file here; elsewhere the link is missing and the
    // places found from the program's folder are skipped.
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
#endif
}

}  // namespace

std::filesystem::path ProgramFolder() {
    return ProgramPath().parent_path();
}

std::filesystem::path FindDataFile(const std::filesystem::path& relativePath,
                                   const std::filesystem::path& programFolder) {
    std::error_code error;
    const std::filesystem::path inCurrent = std::filesystem::current_path(error) / relativePath;
    if (IsRegularFile(inCurrent)) {
        return inCurrent;
    }
    if (!programFolder.empty()) {
        const std::filesystem::path besideProgram = programFolder / relativePath;
        if (IsRegularFile(besideProgram)) {
            return besideProgram;
        }
    }
    // The installed data folder: first where it lies from the program's own folder, which
    // holds wherever the program was installed to, then where the build meant to install it.
    std::filesystem::path installedFolders[2];
    if (!programFolder.empty()) {
        installedFolders[0] = programFolder / QUILLEX_DATA_FROM_BIN;
    }
    installedFolders[1] = QUILLEX_DATA_DIR;
    for (const std::filesystem::path& folder : installedFolders) {
        if (!folder.empty() && IsRegularFile(folder / relativePath)) {
            return folder / relativePath;
        }
    }
    return inCurrent;
}

}  // namespace quillex
