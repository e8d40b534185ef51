#include "ui/TypingLimit.h"

#include <QLineEdit>

namespace quillex {

TypingLimit::TypingLimit(QLineEdit* field) : QValidator(field), field_(field) {
    current_ = Characters(field_->text());
    // The field's text rather than the signal's: a handler of the edit may have replaced it
    // before the signal arrives here.
    connect(field_, &QLineEdit::textChanged, this,
            [this] { current_ = Characters(field_->text()); });
    field_->setValidator(this);
}

QValidator::State TypingLimit::validate(QString& input, int& /*pos*/) const {
    const std::size_t characters = Characters(input);
    if (programWriting_ || limit_ == 0 || characters <= limit_ || characters <= current_ ||
        (passAbove_ > 0 && characters > passAbove_)) {
        return Acceptable;
    }
    return Invalid;
}

std::size_t TypingLimit::Characters(const QString& text) {
    std::size_t count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())) {
            ++count;
        }
    }
    return count;
}

}  // namespace quillex
