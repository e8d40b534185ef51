#include "text/ErrorReason.h"

#include <cerrno>
#include <cstring>

#include "text/Texts.h"

namespace quillex {
namespace {

TextId ReasonText(int error) {
    switch (error) {
        case ENOSPC:
            return TextId::ReasonNoSpace;
        case EROFS:
            return TextId::ReasonReadOnly;
        case EACCES:
        case EPERM:
            return TextId::ReasonNoPermission;
#ifdef EDQUOT
        case EDQUOT:
            return TextId::ReasonQuota;
#endif
        case EIO:
            return TextId::ReasonInputOutput;
        case ENOENT:
            return TextId::ReasonNotFound;
        case EISDIR:
            return TextId::ReasonIsFolder;
        default:
            return TextId::NoText;
    }
}

}  // namespace

std::string ErrorReason(int error) {
    const TextId id = ReasonText(error);
    return id != TextId::NoText ? std::string(Text(id)) : std::string(std::strerror(error));
}

}  // namespace quillex
