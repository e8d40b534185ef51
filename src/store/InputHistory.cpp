#include "store/InputHistory.h"

#include <algorithm>

#include "store/Tape.h"

namespace quillex {

std::optional<QString> InputHistory::Older(const Tape& tape, const QString& typed) {
    // Entries may have gone from the tape since the last step.
    const int shown = std::min(shown_, tape.Size() - 1);
    if (shown + 1 >= tape.Size()) {
        return std::nullopt;
    }
    if (shown_ == kTyped) {
        typed_ = typed;
    }
    shown_ = shown + 1;
    return tape.At(shown_).expression;
}

std::optional<QString> InputHistory::Newer(const Tape& tape) {
    if (shown_ == kTyped) {
        return std::nullopt;
    }
    shown_ = std::min(shown_, tape.Size()) - 1;
    if (shown_ == kTyped) {
        return typed_;
    }
    return tape.At(shown_).expression;
}

}  // namespace quillex
