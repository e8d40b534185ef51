#include "app/InstanceCommands.h"

namespace quillex {
namespace {

InstanceCommand Parse(std::string_view line) {
    for (const InstanceCommand command : {InstanceCommand::Open, InstanceCommand::Toggle}) {
        if (line == CommandText(command)) {
            return command;
        }
    }
    return InstanceCommand::Unknown;
}

}  // namespace

std::string_view CommandText(InstanceCommand command) {
    switch (command) {
        case InstanceCommand::Open:
            return "Open\n";
        case InstanceCommand::Toggle:
            return "Toggle\n";
        case InstanceCommand::Unknown:
            break;
    }
    return {};
}

std::string_view CommandAnswer(InstanceCommand command) {
    return command == InstanceCommand::Unknown ? "unknown\n" : kCommandDone;
}

AnswerVerdict ReadAnswer(std::string_view received) {
    const std::size_t end = received.find('\n');
    if (end == std::string_view::npos) {
        return received.size() < kMaxCommandLength ? AnswerVerdict::Pending
                                                   : AnswerVerdict::Refused;
    }
    return received.substr(0, end + 1) == kCommandDone ? AnswerVerdict::Taken
                                                       : AnswerVerdict::Refused;
}

bool CommandReader::Read(std::string_view bytes) {
    if (tooLong_ || command_ || bytes.empty()) {
        return !tooLong_ && !command_;
    }
    const std::size_t end = bytes.find('\n');
    const std::size_t take = end == std::string_view::npos ? bytes.size() : end + 1;
    // Without its line end a line may hold one byte less than the limit.
    const std::size_t room = kMaxCommandLength - (end == std::string_view::npos ? 1 : 0);
    if (partial_.size() + take > room) {
        tooLong_ = true;
        partial_.clear();
        return false;
    }
    partial_.append(bytes.substr(0, take));
    if (end == std::string_view::npos) {
        return true;
    }
    command_ = Parse(partial_);
    partial_.clear();
    return false;
}

}  // namespace quillex
