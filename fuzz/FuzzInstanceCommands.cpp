// A libFuzzer target over the running instance's command reader: the input is what one client
// sends, byte for byte. The reader takes it in one piece, a byte at a time and in pieces whose
// sizes the input's own bytes choose, and each way must give the same commands as a plain
// reading of the lines: "Open" and "Toggle" by name, every other line as Unknown, and an end
// to the conversation at the first line longer than the limit, where a line still waiting for
// its end may hold one byte less. The unfinished line the reader keeps stays below the limit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "app/InstanceCommands.h"

namespace {

using quillex::CommandReader;
using quillex::InstanceCommand;
using quillex::kMaxCommandLength;

struct Reading {
    std::vector<InstanceCommand> commands;
    bool tooLong = false;
    std::string partial;

    bool operator==(const Reading&) const = default;
};

Reading Expected(std::string_view input) {
    Reading reading;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        if (end == std::string_view::npos) {
            reading.tooLong = input.size() >= kMaxCommandLength;
            reading.partial = reading.tooLong ? "" : std::string(input);
            break;
        }
        if (end + 1 > kMaxCommandLength) {
            reading.tooLong = true;
            break;
        }
        const std::string_view line = input.substr(0, end + 1);
        reading.commands.push_back(line == "Open\n"     ? InstanceCommand::Open
                                   : line == "Toggle\n" ? InstanceCommand::Toggle
                                                        : InstanceCommand::Unknown);
        input.remove_prefix(end + 1);
    }
    return reading;
}

// Reads `input` in pieces; `pieceSize` gives the size of the piece starting at an offset.
template <typename PieceSize>
Reading ReadInPieces(std::string_view input, PieceSize pieceSize) {
    CommandReader reader;
    Reading reading;
    bool going = true;
    for (std::size_t at = 0; at < input.size();) {
        const std::size_t size = pieceSize(at);
        const std::size_t before = reading.commands.size();
        const bool wasTooLong = reader.TooLong();
        going = reader.Read(input.substr(at, size), reading.commands);
        FUZZ_CHECK(!wasTooLong || (!going && reading.commands.size() == before),
                   "read on after a line too long: " + quillex::fuzz::Escaped(input));
        FUZZ_CHECK(reader.Partial().size() < kMaxCommandLength,
                   "kept a line at the limit: " + quillex::fuzz::Escaped(input));
        at += size;
    }
    FUZZ_CHECK(going == !reader.TooLong(), quillex::fuzz::Escaped(input));
    reading.tooLong = reader.TooLong();
    reading.partial = reader.Partial();
    return reading;
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
