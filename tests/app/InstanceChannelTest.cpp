#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/InstanceChannel.h"
#include "app/InstanceCommands.h"

namespace quillex {
namespace {

using namespace std::chrono_literals;

class InstanceChannelTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/quillex-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    std::string Made(const std::string& name, mode_t mode) const {
        const std::string path = Path(name);
        EXPECT_EQ(mkdir(path.c_str(), mode), 0);
        EXPECT_EQ(chmod(path.c_str(), mode), 0);
        return path;
    }
    // A socket bound at `path` with `mode`; it listens, but nobody ever takes a connection.
    int Silent(const std::string& path, mode_t mode) const {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, path.c_str());
        EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(chmod(path.c_str(), mode), 0);
        EXPECT_EQ(listen(fd, 4), 0);
        return fd;
    }
    static bool Listening(const std::string& path) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, path.c_str());
        const bool connected =
            connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        close(fd);
        return connected;
    }
    // The folder the channels of the tests use.
    RuntimeFolder Runtime() const { return {Path("run"), {}}; }

    std::string folder_;
};

TEST_F(InstanceChannelTest, OnlyAFolderOfTheUsersAloneIsUsed) {
    const std::string runtime = Made("runtime", 0700);
    EXPECT_EQ(FindRuntimeFolder(runtime.c_str(), folder_.c_str()).path, runtime);

    // Without a private runtime folder, quillex-UID in the temporary folder, made private.
    const std::string fallback = Path("quillex-" + std::to_string(getuid()));
    const std::string openRuntime = Made("open-runtime", 0755);
    for (const char* unusable :
         {static_cast<const char*>(nullptr), "", "relative", openRuntime.c_str()}) {
        const RuntimeFolder found = FindRuntimeFolder(unusable, folder_.c_str());
        EXPECT_EQ(found.path, fallback) << found.problem;
        EXPECT_TRUE(IsPrivateFolder(fallback, false));
    }

    // A folder there that others may enter, or a link or file in its place as another user
    // could leave it, is refused.
    ASSERT_EQ(chmod(fallback.c_str(), 0750), 0);
    EXPECT_TRUE(FindRuntimeFolder(nullptr, folder_.c_str()).path.empty());
    ASSERT_EQ(rmdir(fallback.c_str()), 0);
    ASSERT_EQ(symlink(runtime.c_str(), fallback.c_str()), 0);
    const RuntimeFolder linked = FindRuntimeFolder(nullptr, folder_.c_str());
    EXPECT_TRUE(linked.path.empty());
    EXPECT_NE(linked.problem.find(fallback), std::string::npos);
    ASSERT_EQ(unlink(fallback.c_str()), 0);
    ASSERT_EQ(close(open(fallback.c_str(), O_CREAT | O_WRONLY, 0600)), 0);
    EXPECT_TRUE(FindRuntimeFolder(nullptr, folder_.c_str()).path.empty());

    // A channel without a folder runs alone and says why.
    InstanceChannel alone(linked, "q");
    EXPECT_FALSE(alone.HandOverOrListen(CommandText(InstanceCommand::Open), 100ms));
    EXPECT_EQ(alone.Listener(), -1);
    EXPECT_EQ(alone.Problem(), linked.problem);
}

TEST_F(InstanceChannelTest, WhatAKilledInstanceLeftIsReplacedAndTheStartBecomesTheInstance) {
    Made("run", 0700);
    const std::string socketPath = Runtime().path + "/q";
    ASSERT_EQ(close(open((socketPath + ".lock").c_str(), O_CREAT | O_WRONLY, 0600)), 0);
    for (const bool leftSocket : {true, false}) {
        if (leftSocket) {
            close(Silent(socketPath, 0600));  // closed: nobody listens any more
        } else {
            ASSERT_EQ(close(open(socketPath.c_str(), O_CREAT | O_WRONLY, 0600)), 0);
        }
        InstanceChannel channel(Runtime(), "q");
        EXPECT_FALSE(channel.HandOverOrListen(CommandText(InstanceCommand::Open), 1s));
        EXPECT_GE(channel.Listener(), 0) << channel.Problem();
        EXPECT_TRUE(channel.Problem().empty());
        // The new socket is in place, closed to others, and listens.
        struct stat info;
        ASSERT_EQ(lstat(socketPath.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        EXPECT_TRUE(Listening(socketPath));
    }
    // The last instance to end removes the socket it made.
    struct stat info;
    EXPECT_NE(lstat(socketPath.c_str(), &info), 0);
}

TEST_F(InstanceChannelTest, AnInstanceThatDoesNotAnswerCountsAsAFailedHandOver) {
    Made("run", 0700);
    const std::string socketPath = Runtime().path + "/q";
    // A live instance holds the lock but never answers.
    const int lock = open((socketPath + ".lock").c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    const int silent = Silent(socketPath, 0600);
    const auto soon = std::chrono::steady_clock::now() + 100ms;
    EXPECT_EQ(HandOver(socketPath, CommandText(InstanceCommand::Open), soon),
              HandOverResult::NoAnswer);

    // The start then becomes the instance itself, in place of the silent one.
    {
        InstanceChannel channel(Runtime(), "q");
        EXPECT_FALSE(channel.HandOverOrListen(CommandText(InstanceCommand::Toggle), 100ms));
        EXPECT_GE(channel.Listener(), 0) << channel.Problem();
    }
    // A socket that others may use is not trusted with a command at all.
    close(silent);
    unlink(socketPath.c_str());
    const int shared = Silent(socketPath, 0666);
    EXPECT_EQ(HandOver(socketPath, CommandText(InstanceCommand::Open),
                       std::chrono::steady_clock::now() + 100ms),
              HandOverResult::NobodyListens);
    close(shared);
    close(lock);
}

TEST_F(InstanceChannelTest, ALockThatCannotBeTakenNeverMakesTheStartTheInstance) {
    const std::string run = Made("run", 0700);
    // The lock of "open" is open to others, that of "link" a link, that of "folder" a folder.
    ASSERT_EQ(close(open((run + "/open.lock").c_str(), O_CREAT | O_WRONLY, 0600)), 0);
    ASSERT_EQ(chmod((run + "/open.lock").c_str(), 0644), 0);
    ASSERT_EQ(close(open((run + "/target").c_str(), O_CREAT | O_WRONLY, 0600)), 0);
    ASSERT_EQ(symlink((run + "/target").c_str(), (run + "/link.lock").c_str()), 0);
    ASSERT_EQ(mkdir((run + "/folder.lock").c_str(), 0700), 0);
    for (const char* name : {"open", "link", "folder"}) {
        InstanceChannel channel(Runtime(), name);
        EXPECT_FALSE(channel.HandOverOrListen(CommandText(InstanceCommand::Open), 100ms));
        // The window runs, but does not listen where a start with a working lock would.
        EXPECT_EQ(channel.Listener(), -1) << name;
        EXPECT_NE(channel.Problem().find(run + "/" + name + ".lock"), std::string::npos);
        struct stat info;
        EXPECT_NE(lstat((run + "/" + name).c_str(), &info), 0) << name;
    }
}

}  // namespace
}  // namespace quillex
