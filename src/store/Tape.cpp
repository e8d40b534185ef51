#include "store/Tape.h"

#include <algorithm>

namespace quillex {
namespace {

QString ClipboardLine(const TapeEntry& entry) {
    return entry.expression + QStringLiteral(" = ") + entry.result + QStringLiteral("\r\n");
}

}  // namespace

bool Tape::Push(const TapeEntry& entry) {
    const bool full = Size() >= kCapacity;
    if (full) {
        entries_.resize(kCapacity - 1);
    }
    entries_.insert(entries_.begin(), entry);
    return full;
}

void Tape::Remove(int index) {
    if (index >= 0 && index < Size()) {
        entries_.erase(entries_.begin() + index);
    }
}

void Tape::Clear() {
    entries_.clear();
}

void Tape::Assign(std::vector<TapeEntry> entries) {
    entries_ = std::move(entries);
    if (Size() > kCapacity) {
        entries_.resize(kCapacity);
    }
}

QString Tape::EntryClipboardText(int index) const {
    if (index < 0 || index >= Size()) {
        return {};
    }
    return ClipboardLine(At(index));
}

QString Tape::AllClipboardText() const {
    QString text;
    for (const TapeEntry& entry : entries_) {
        text += ClipboardLine(entry);
    }
    return text;
}

QString ExpressionFromTapeText(const QString& text) {
    const qsizetype cut = text.indexOf(QStringLiteral(" ="));
    return cut < 0 ? text : text.left(cut);
}

}  // namespace quillex
