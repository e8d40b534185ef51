#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/InstanceCommands.h"

namespace quillex {
namespace {

using Commands = std::vector<InstanceCommand>;
constexpr auto kOpen = InstanceCommand::Open;
constexpr auto kToggle = InstanceCommand::Toggle;
constexpr auto kUnknown = InstanceCommand::Unknown;

TEST(InstanceCommands, LinesArriveInAnyPiecesAndUnknownOnesAreToldApart) {
    CommandReader reader;
    Commands commands;
    EXPECT_TRUE(reader.Read("Op", commands));
    EXPECT_TRUE(reader.Read("en\nTog", commands));
    EXPECT_EQ(reader.Partial(), "Tog");
    EXPECT_TRUE(reader.Read("gle\nopen\nOpen \n\n", commands));
    EXPECT_EQ(commands, (Commands{kOpen, kToggle, kUnknown, kUnknown, kUnknown}));
    EXPECT_EQ(CommandAnswer(kToggle), kCommandDone);
    EXPECT_NE(CommandAnswer(kUnknown), kCommandDone);
}

TEST(InstanceCommands, ALineBeyondTheLimitEndsTheConversation) {
    const std::string longest(kMaxCommandLength - 1, 'x');
    CommandReader reader;
    Commands commands;
    EXPECT_TRUE(reader.Read(longest + "\nToggle\n" + longest, commands));
    // One byte more cannot end within the limit: it is refused before its end arrives, so the
    // reader never holds more than a line. The commands before it count, none after it.
    EXPECT_FALSE(reader.Read("x", commands));
    EXPECT_TRUE(reader.TooLong());
    EXPECT_TRUE(reader.Partial().empty());
    EXPECT_FALSE(reader.Read("\nOpen\n", commands));
    EXPECT_EQ(commands, (Commands{kUnknown, kToggle}));
}

}  // namespace
}  // namespace quillex
