// The most characters the user may type into a line edit, as a validator: an edit that would
// make the text longer than the limit is refused, while texts the program writes pass whatever
// their length (a field limited to three digits may show "Overflow"), and so does any edit that
// does not lengthen the text. QLineEdit::setMaxLength would cut the program's own texts too.
#pragma once

#include <QValidator>

#include <cstddef>

class QLineEdit;

namespace quillex {

class TypingLimit : public QValidator {
public:
    // Watches the field's text and becomes its validator; the field owns it.
    explicit TypingLimit(QLineEdit* field);

    // 0: no limit.
    void SetLimit(std::size_t characters) { limit_ = characters; }
    std::size_t Limit() const { return limit_; }
    // An entry of more than this many characters passes whatever the limit, so that the page
    // can tell the user why it does not take it. 0: none passes.
    void SetPassAbove(std::size_t characters) { passAbove_ = characters; }
    // While set, every text passes: the program writes it.
    void SetProgramWriting(bool on) { programWriting_ = on; }

    State validate(QString& input, int& pos) const override;

    // Characters as the user counts them: a surrogate pair is one.
    static std::size_t Characters(const QString& text);

private:
    QLineEdit* field_;
    std::size_t limit_ = 0;
    std::size_t passAbove_ = 0;
    std::size_t current_ = 0;  // characters of the field's text before the edit
    bool programWriting_ = false;
};

// While it lives, the program's own writes to the field pass its limit.
class ProgramWrite {
public:
    explicit ProgramWrite(TypingLimit* limit) : limit_(limit) {
        if (limit_ != nullptr) {
            limit_->SetProgramWriting(true);
        }
    }
    ~ProgramWrite() {
        if (limit_ != nullptr) {
            limit_->SetProgramWriting(false);
        }
    }
    ProgramWrite(const ProgramWrite&) = delete;
    ProgramWrite& operator=(const ProgramWrite&) = delete;

private:
    TypingLimit* limit_;
};

}  // namespace quillex
