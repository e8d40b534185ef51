// Why a call of the system failed, as the messages show it after the name of what failed.
#pragma once

#include <string>

namespace quillex {

// The reason for the error number `error` (an errno value) in the current language: the
// program's own text for the reasons a user meets most (a full disk, a read-only file system,
// missing permission, a quota, an input/output error, a missing file, a folder in a file's
// place), the system's text for the rest.
std::string ErrorReason(int error);

}  // namespace quillex
