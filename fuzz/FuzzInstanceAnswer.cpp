// A libFuzzer target over a later start's reading of the running instance's answer: the input
// is what the instance sends, byte for byte, and it arrives in pieces of 1 to 16 bytes, as the
// client receives them, whose sizes the input's own bytes choose. The client reads until the
// answer is decided. What it decides must be what a plain reading gives (taken for a first line
// "ok", still waiting while fewer bytes than the longest line have come without a line end,
// refused otherwise), whatever the pieces; it must stand whatever follows; and the client never
// holds more than the longest line and one piece. The instance's own answers, followed by
// anything, read as the instance means them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "app/InstanceCommands.h"

namespace {

using quillex::AnswerVerdict;
using quillex::ReadAnswer;

AnswerVerdict Expected(std::string_view input) {
    if (input.starts_with(quillex::kCommandDone)) {
        return AnswerVerdict::Taken;
    }
    const bool waiting =
        input.find('\n') == std::string_view::npos && input.size() < quillex::kMaxCommandLength;
    return waiting ? AnswerVerdict::Pending : AnswerVerdict::Refused;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto context = [&] { return quillex::fuzz::Escaped(input); };

    std::string received;
    AnswerVerdict verdict = ReadAnswer(received);
    for (std::size_t at = 0; verdict == AnswerVerdict::Pending && at < size;) {
        const std::size_t piece = std::min<std::size_t>(data[at] % 16u + 1u, size - at);
        received.append(input.substr(at, piece));
        at += piece;
        verdict = ReadAnswer(received);
        FUZZ_CHECK(received.size() < quillex::kMaxCommandLength + 16, context());
    }
    FUZZ_CHECK(verdict == Expected(input), context());
    if (verdict != AnswerVerdict::Pending) {
        FUZZ_CHECK(ReadAnswer(input) == verdict, "a decided answer changed: " + context());
    }

    for (const auto command : {quillex::InstanceCommand::Open, quillex::InstanceCommand::Toggle,
                               quillex::InstanceCommand::Unknown}) {
        const std::string answer =
            std::string(quillex::CommandAnswer(command)) + std::string(input);
        const bool done = command != quillex::InstanceCommand::Unknown;
        FUZZ_CHECK(ReadAnswer(answer) == (done ? AnswerVerdict::Taken : AnswerVerdict::Refused),
                   "the answer to command " + std::to_string(static_cast<int>(command)) +
                       " followed by " + context());
    }
    return 0;
}
