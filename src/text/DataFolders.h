// Where the program's read-only data files are found, the same for the window and the command
// line: the current folder, the program's own folder, then the installed data folder.
#pragma once

#include <filesystem>

namespace quillex {

// The folder that holds the running program; empty when the system does not tell.
std::filesystem::path ProgramFolder();

// The path of a data file given relative to the program's data folder: in the current
// directory when it is there, otherwise in `programFolder`, otherwise in the installed data
// folder (share/quillex beside the program's bin folder, then where the build meant to install
// it). Only a regular file counts: a folder or a FIFO of that name is passed over. An empty
// `programFolder` skips the places found from it. Returns the current-directory path when none
// of them holds the file.
std::filesystem::path FindDataFile(const std::filesystem::path& relativePath,
                                   const std::filesystem::path& programFolder);

}  // namespace quillex
