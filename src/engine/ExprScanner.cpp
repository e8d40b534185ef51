#include "engine/ExprEngine.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "text/NumberText.h"
#include "text/Texts.h"

// The scanner half of the expression engine: the character source and the tokens read from
// it (numbers, names and keywords, single characters).
namespace quillex {
namespace {

struct Keyword {
    std::string_view name;
    int token;
};

// Searched from the last entry to the first; names are case-sensitive.
constexpr std::array<Keyword, 31> kKeywords{{
    {"sin", TOK_SIN},   {"cos", TOK_COS},   {"tan", TOK_TAN}, {"asin", TOK_ASIN},
    {"acos", TOK_ACOS}, {"atan", TOK_ATAN}, {"ln", TOK_LN},   {"sqrt", TOK_SQRT},
    {"exp", TOK_EXP},   {"log", TOK_LOG},   {"pi", TOK_PI},   {"pro", TOK_PRO},
    {"bas", TOK_BAS},   {"dec", TOK_DEC},   {"bin", TOK_BIN}, {"hex", TOK_HEX},
    {"oct", TOK_OCT},   {"rnd", TOK_RND},   {"fac", TOK_FAC}, {"rr", TOK_RR},
    {"rrb", TOK_RRB},   {"rlb", TOK_RLB},   {"not", TOK_NOT}, {"deg", TOK_DEG},
    {"rad", TOK_RAD},   {"X", TOK_X},       {"Y", TOK_Y},     {"x", TOK_X},
    {"y", TOK_Y},       {"rl", TOK_RL},     {"ans", TOK_ANS},
}};

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int LookUpKeyword(std::string_view name) {
    for (auto it = kKeywords.rbegin(); it != kKeywords.rend(); ++it) {
        if (it->name == name) {
            return it->token;
        }
    }
    return -1;
}
}  // namespace

void ExprReader::SetText(std::string_view text) {
    const std::size_t length = std::min(text.size(), kCapacity - 1);
    // copy_n, not memcpy: an empty view may have no data pointer, and memcpy must not get one.
    std::copy_n(text.data(), length, buffer_.data());
    std::memset(buffer_.data() + length, 0, kCapacity - length);
    position_ = 0;
}

char ExprReader::Next() {
    if (buffer_[position_] == 0) {
        return 0;
    }
    return buffer_[position_++];
}

void ExprReader::Back(char c) {
    if (position_ == 0) {
        return;
    }
    buffer_[--position_] = c;
}

void ExprEngine::SetText(std::string_view text) {
    reader_.SetText(text);
    emptyNumberAt_ = ExprReader::kCapacity;
}

bool ExprEngine::FollowsHexParenthesis(std::size_t index) const {
    return index >= 4 && index != emptyNumberAt_ && reader_.At(index - 4) == 'h' &&
           reader_.At(index - 3) == 'e' && reader_.At(index - 2) == 'x' &&
           reader_.At(index - 1) == '(';
}

bool ExprEngine::HexParenthesisBefore() const {
    const std::size_t position = reader_.Position();
    for (std::size_t i = position; i-- > 1;) {
        if (reader_.At(i - 1) == 'x' && reader_.At(i) == '(') {
            return true;
        }
    }
    return false;
}

bool ExprEngine::AcceptNumberCharacter(char c) {
    if (c == 'e' || c == 'E') {
        exponentFlag_ = true;
        const char following = reader_.Next();
        const bool keep = IsDigit(following) || following == '+' || following == '-' ||
                          (reader_.Position() >= 5 && following != 0 && HexParenthesisBefore());
        if (keep) {
            reader_.Back(following);
        } else {
            // The character after the e is dropped.
            ReportError(Text(TextId::EngineFloat));
            exponentFlag_ = false;
        }
        return true;
    }
    if (IsHexDigit(c) || c == '.') {
        exponentFlag_ = false;
        return true;
    }
    return (c == '+' || c == '-') && exponentFlag_;
}

int ExprEngine::ReadNumber(char first) {
    exponentFlag_ = false;
    numberLength_ = 0;
    char c = first;
    while (AcceptNumberCharacter(c)) {
        if (numberLength_ < kTextCapacity - 1) {
            numberText_[numberLength_++] = c;
        }
        c = reader_.Next();
    }
    numberText_[numberLength_] = 0;
    reader_.Back(c);
    if (numberLength_ == 0) {
        emptyNumberAt_ = reader_.Position();
    }
    numberValue_ = ReadLeadingNumber(NumberText());
    return TOK_NUMBER;
}

int ExprEngine::ReadName(char first) {
    identifierLength_ = 0;
    char c = first;
    std::size_t count = 0;
    while (IsLetter(c) || IsDigit(c)) {
        if (++count >= kTextCapacity) {
            ReportError(Text(TextId::EngineCompiler));
        } else {
            identifier_[identifierLength_++] = c;
        }
        c = reader_.Next();
    }
    identifier_[identifierLength_] = 0;
    reader_.Back(c);
    const int token = count < kTextCapacity ? LookUpKeyword(IdentifierText()) : -1;
    if (token < 0) {
        ReportError(Text(TextId::EngineUnknown));
        return TOK_END;
    }
    return token;
}

int ExprEngine::NextToken() {
    char c = reader_.Next();
    while (c == ' ' || c == '\t' || c == '\n') {
        c = reader_.Next();
    }
    if (c == 0) {
        return TOK_EOF;
    }
    if (IsDigit(c) || FollowsHexParenthesis(reader_.Position() - 1)) {
        return ReadNumber(c);
    }
    if (IsLetter(c)) {
        return ReadName(c);
    }
    if (c == '*') {
        const char next = reader_.Next();
        if (next == '*') {
            return TOK_POWER;
        }
        reader_.Back(next);
        return '*';
    }
    if (c == '=') {
        return TOK_END;
    }
    return c;
}

}  // namespace quillex
