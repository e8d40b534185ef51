#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/InstanceCommands.h"

namespace quillex {
namespace {

using Commands = std::vector<InstanceCommand>;

TEST(InstanceCommands, LinesArriveInAnyPiecesAndUnknownOnesAreToldApart) {
    CommandReader reader;
    Commands commands;
    EXPECT_TRUE(reader.Read("Op", commands));
    EXPECT_EQ(reader.Partial(), "Op");
    EXPECT_TRUE(reader.Read("en\nTog", commands));
    EXPECT_TRUE(reader.Read("gle\nopen\nOpen \n\n", commands));
    EXPECT_EQ(commands,
              (Commands{InstanceCommand::Open, InstanceCommand::Toggle, InstanceCommand::Unknown,
                        InstanceCommand::Unknown, InstanceCommand::Unknown}));
    EXPECT_TRUE(reader.Partial().empty());
    // What a later start sends is what the reader knows, and only known commands get "ok".
    for (const InstanceCommand command : {InstanceCommand::Open, InstanceCommand::Toggle}) {
        Commands one;
        CommandReader().Read(CommandText(command), one);
        EXPECT_EQ(one, Commands{command});
        EXPECT_EQ(CommandAnswer(command), kCommandDone);
    }
    EXPECT_NE(CommandAnswer(InstanceCommand::Unknown), kCommandDone);
}

TEST(InstanceCommands, ALineBeyondTheLimitEndsTheConversation) {
    const std::string longest(kMaxCommandLength - 1, 'x');
    CommandReader reader;
    Commands commands;
    EXPECT_TRUE(reader.Read(longest + "\nOpen\n", commands));
    EXPECT_EQ(commands, (Commands{InstanceCommand::Unknown, InstanceCommand::Open}));

    // One byte more, in pieces; the commands before it still count, none after it.
    EXPECT_TRUE(reader.Read("Toggle\n" + longest, commands));
    EXPECT_FALSE(reader.Read("x\nOpen\n", commands));
    EXPECT_TRUE(reader.TooLong());
    EXPECT_FALSE(reader.Read("Open\n", commands));
    EXPECT_EQ(commands.size(), 3u);

    // A line that cannot end within the limit any more is refused before its end arrives, so
    // the reader never holds more than a line.
    CommandReader endless;
    EXPECT_TRUE(endless.Read(longest, commands));
    EXPECT_FALSE(endless.Read("x", commands));
    EXPECT_TRUE(endless.Partial().empty());
}

}  // namespace
}  // namespace quillex
