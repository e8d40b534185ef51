// The tape: expressions and their results, newest first, at most 100 entries. The model is
// kept apart from its two list views, which the main window updates row by row.
#pragma once

#include <QString>

#include <vector>

#include "store/TapeFile.h"

namespace quillex {

class Tape {
public:
    static constexpr int kCapacity = kTapeCapacity;

    int Size() const { return static_cast<int>(entries_.size()); }
    const TapeEntry& At(int index) const { return entries_[static_cast<std::size_t>(index)]; }
    const std::vector<TapeEntry>& Entries() const { return entries_; }

    // Files an entry at the top. Returns true when the oldest entry (index 99) fell off first.
    bool Push(const TapeEntry& entry);
    void Remove(int index);
    void Clear();
    void Assign(std::vector<TapeEntry> entries);

    // "expression = result\r\n" of one entry, and of all entries from the newest on.
    QString EntryClipboardText(int index) const;
    QString AllClipboardText() const;

private:
    std::vector<TapeEntry> entries_;
};

// The expression field's text for a selected expression-tape text: cut before the first " =".
QString ExpressionFromTapeText(const QString& text);

}  // namespace quillex
