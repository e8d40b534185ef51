// What a later start tells the running instance: one command on a line of its own, answered with
// a line, and then the connection ends. The reader turns a client's bytes into its command; it
// knows nothing of sockets, so that the tests and the fuzzer can feed it bytes directly.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillex {

enum class InstanceCommand {
    Open,    // show the window and bring it to the front
    Toggle,  // hide the window when it is in front, otherwise as Open
    Unknown,
};

// The longest line a client may send, line end included.
inline constexpr std::size_t kMaxCommandLength = 64;

// The line that carries `command`, line end included; empty for Unknown.
std::string_view CommandText(InstanceCommand command);
// The running instance's answer to `command`: "ok\n" when it carried it out.
std::string_view CommandAnswer(InstanceCommand command);
inline constexpr std::string_view kCommandDone = "ok\n";

// What a later start makes of the running instance's answer from the bytes that have come so
// far: Pending until its first line has ended, or the longest line has come without an end;
// then Taken when that line is "ok", Refused when it is anything else.
enum class AnswerVerdict { Pending, Taken, Refused };
AnswerVerdict ReadAnswer(std::string_view received);

class CommandReader {
public:
    // Reads the next bytes of a client, in whatever pieces they arrive, until the line of its
    // command is complete. A connection carries one command, so that a client cannot keep the
    // instance busy: true while the line is unfinished, false once it is complete (Command) or
    // longer than kMaxCommandLength (TooLong), and nothing after it is read. Only the
    // unfinished line is kept, so a client cannot make the reader grow.
    bool Read(std::string_view bytes);

    // The client's command, once its line is complete.
    std::optional<InstanceCommand> Command() const { return command_; }
    bool TooLong() const { return tooLong_; }
    // The unfinished line waiting for its end.
    const std::string& Partial() const { return partial_; }

private:
    std::string partial_;
    std::optional<InstanceCommand> command_;
    bool tooLong_ = false;
};

}  // namespace quillex
