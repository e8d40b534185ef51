// A libFuzzer target over the running instance's command reader: the input is what one client
// sends, byte for byte. The reader takes it in one piece, a byte at a time and in pieces whose
// sizes the input's own bytes choose, and each way must give the same as a plain reading of
// the first line: "Open" and "Toggle" by name, every other line as Unknown, and an end to the
// conversation when that line is longer than the limit, where a line still waiting for its end
// may hold one byte less. Nothing after the first line is read, and the unfinished line the
// reader keeps stays below the limit.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "app/InstanceCommands.h"

namespace {

using quillex::CommandReader;
using quillex::InstanceCommand;
using quillex::kMaxCommandLength;

struct Reading {
    std::optional<InstanceCommand> command;
    bool tooLong = false;
    std::string partial;

    bool operator==(const Reading&) const = default;
};

Reading Expected(std::string_view input) {
    Reading reading;
    const std::size_t end = input.find('\n');
    if (end == std::string_view::npos) {
        reading.tooLong = input.size() >= kMaxCommandLength;
        reading.partial = reading.tooLong ? "" : std::string(input);
    } else if (end + 1 > kMaxCommandLength) {
        reading.tooLong = true;
    } else {
        const std::string_view line = input.substr(0, end + 1);
        reading.command = line == "Open\n"     ? InstanceCommand::Open
                          : line == "Toggle\n" ? InstanceCommand::Toggle
                                               : InstanceCommand::Unknown;
    }
    return reading;
}

// Reads `input` in pieces; `pieceSize` gives the size of the piece starting at an offset.
template <typename PieceSize>
Reading ReadInPieces(std::string_view input, PieceSize pieceSize) {
    CommandReader reader;
    bool going = true;
    for (std::size_t at = 0; at < input.size();) {
        const std::size_t size = pieceSize(at);
        const bool wasGoing = going;
        const std::optional<InstanceCommand> before = reader.Command();
        const bool wasTooLong = reader.TooLong();
        going = reader.Read(input.substr(at, size));
        FUZZ_CHECK(
            wasGoing || (!going && reader.Command() == before && reader.TooLong() == wasTooLong),
            "read on after the conversation ended: " + quillex::fuzz::Escaped(input));
        FUZZ_CHECK(reader.Partial().size() < kMaxCommandLength,
                   "kept a line at the limit: " + quillex::fuzz::Escaped(input));
        at += size;
    }
    FUZZ_CHECK(going == (!reader.TooLong() && !reader.Command()), quillex::fuzz::Escaped(input));
    return {reader.Command(), reader.TooLong(), reader.Partial()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const Reading expected = Expected(input);
    const auto whole = [size](std::size_t) { return size; };
    const auto bytes = [](std::size_t) { return std::size_t{1}; };
    const auto chosen = [data](std::size_t at) { return std::size_t{data[at] % 7u + 1u}; };
    FUZZ_CHECK(ReadInPieces(input, whole) == expected, "whole: " + quillex::fuzz::Escaped(input));
    FUZZ_CHECK(ReadInPieces(input, bytes) == expected, "bytes: " + quillex::fuzz::Escaped(input));
    FUZZ_CHECK(ReadInPieces(input, chosen) == expected, "pieces: " + quillex::fuzz::Escaped(input));
    return 0;
}
