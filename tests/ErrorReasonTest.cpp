#include "text/ErrorReason.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "text/Texts.h"

namespace quillex {
namespace {

std::string ReasonIn(Language language, int error) {
    SetLanguage(language);
    std::string reason = ErrorReason(error);
    SetLanguage(Language::German);
    return reason;
}

TEST(ErrorReason, TheCommonReasonsReadInTheLanguageAndTheRestAsTheSystemSaysIt) {
    for (const int error : {ENOSPC, EROFS, EACCES, EPERM, EDQUOT, EIO, ENOENT, EISDIR}) {
        EXPECT_NE(ReasonIn(Language::German, error), ReasonIn(Language::English, error)) << error;
    }
    EXPECT_EQ(ErrorReason(EPERM), ErrorReason(EACCES));
    EXPECT_EQ(ReasonIn(Language::English, ENAMETOOLONG), std::strerror(ENAMETOOLONG));
}

}  // namespace
}  // namespace quillex
