#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "app/InstanceCommands.h"

namespace quillex {
namespace {

constexpr auto kToggle = InstanceCommand::Toggle;
constexpr auto kUnknown = InstanceCommand::Unknown;

TEST(InstanceCommands, AConnectionCarriesOneCommandInAnyPiecesAndNothingAfterIt) {
    CommandReader reader;
    EXPECT_TRUE(reader.Read("Tog"));
    EXPECT_TRUE(reader.Read("g"));
    EXPECT_EQ(reader.Partial(), "Togg");
    // What follows the first line is not read: the client gets one answer, then the end.
    EXPECT_FALSE(reader.Read("le\nOpen\n"));
    EXPECT_FALSE(reader.Read("Open\n"));
    EXPECT_EQ(reader.Command(), kToggle);
    for (const std::string_view line : {"open\n", "Open \n", "\n"}) {
        CommandReader other;
        EXPECT_FALSE(other.Read(line));
        EXPECT_EQ(other.Command(), kUnknown) << line;
    }
    EXPECT_EQ(CommandAnswer(kToggle), kCommandDone);
    EXPECT_NE(CommandAnswer(kUnknown), kCommandDone);
}

TEST(InstanceCommands, ALineBeyondTheLimitEndsTheConversation) {
    const std::string longest(kMaxCommandLength - 1, 'x');
    CommandReader fits;
    EXPECT_FALSE(fits.Read(longest + "\n"));
    EXPECT_EQ(fits.Command(), kUnknown);
    // One byte more cannot end within the limit: it is refused before its end arrives, so the
    // reader never holds more than a line.
    CommandReader reader;
    EXPECT_TRUE(reader.Read(longest));
    EXPECT_FALSE(reader.Read("x"));
    EXPECT_TRUE(reader.TooLong());
    EXPECT_TRUE(reader.Partial().empty());
    EXPECT_FALSE(reader.Read("\nOpen\n"));
    EXPECT_EQ(reader.Command(), std::nullopt);
}

}  // namespace
}  // namespace quillex
