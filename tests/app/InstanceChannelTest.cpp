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
const std::string_view kOpen = CommandText(InstanceCommand::Open);

// A socket at `path` with `mode` that listens (`listens`) or is left as a killed instance
// leaves it; nobody ever takes its connections.
int Socket(const std::string& path, mode_t mode, bool listens) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(chmod(path.c_str(), mode), 0);
    EXPECT_EQ(listen(fd, 4), 0);
    if (!listens) {
        close(fd);
    }
    return fd;
}

void MakeFile(const std::string& path, mode_t mode) {
    ASSERT_EQ(close(open(path.c_str(), O_CREAT | O_WRONLY, mode)), 0);
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

class InstanceChannelTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/quillex-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        run_.path = folder_ + "/run";
        socket_ = run_.path + "/q";
        ASSERT_EQ(mkdir(run_.path.c_str(), 0700), 0);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string folder_;
    RuntimeFolder run_;  // the folder the channels use
    std::string socket_;
};

TEST_F(InstanceChannelTest, OnlyAFolderOfTheUsersAloneIsUsed) {
    const std::string note = folder_ + "/config/note";
    EXPECT_EQ(FindRuntimeFolder(run_.path.c_str(), folder_.c_str(), note).path, run_.path);
    // Otherwise quillex-UID in the temporary folder, made private.
    const std::string fallback = folder_ + "/quillex-" + std::to_string(getuid());
    ASSERT_EQ(chmod(run_.path.c_str(), 0755), 0);
    for (const char* unusable : {static_cast<const char*>(nullptr), "relative", "/no/such"}) {
        EXPECT_EQ(FindRuntimeFolder(unusable, folder_.c_str(), note).path, fallback);
    }
    EXPECT_EQ(FindRuntimeFolder(run_.path.c_str(), folder_.c_str(), note).path, fallback);
    EXPECT_TRUE(IsPrivateFolder(fallback, false));
    EXPECT_FALSE(std::filesystem::exists(note));
}

TEST_F(InstanceChannelTest, WhenAnotherUserHoldsTheFolderAPrivateOneIsMadeAndFoundAgain) {
    const std::string taken = folder_ + "/quillex-" + std::to_string(getuid());
    const std::string note = folder_ + "/config/note";
    const auto find = [&] { return FindRuntimeFolder(nullptr, folder_.c_str(), note); };
    // A folder open to others, as another user could leave it.
    ASSERT_EQ(mkdir(taken.c_str(), 0700), 0);
    ASSERT_EQ(chmod(taken.c_str(), 0755), 0);
    const RuntimeFolder made = find();
    ASSERT_FALSE(made.path.empty()) << made.problem;
    EXPECT_NE(made.path, taken);
    EXPECT_TRUE(IsPrivateFolder(made.path, false));
    struct stat info;
    ASSERT_EQ(stat(note.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // Later starts find it whatever stands at the predictable name meanwhile, a link, a file
    // or nothing.
    ASSERT_EQ(rmdir(taken.c_str()), 0);
    ASSERT_EQ(symlink(run_.path.c_str(), taken.c_str()), 0);
    EXPECT_EQ(find().path, made.path);
    ASSERT_EQ(unlink(taken.c_str()), 0);
    MakeFile(taken, 0600);
    EXPECT_EQ(find().path, made.path);
    ASSERT_EQ(unlink(taken.c_str()), 0);
    EXPECT_EQ(find().path, made.path);
    EXPECT_FALSE(std::filesystem::exists(taken));
    ASSERT_EQ(mkdir(taken.c_str(), 0700), 0);
    ASSERT_EQ(chmod(taken.c_str(), 0755), 0);

    // A noted folder that is no longer private is replaced by a new one.
    ASSERT_EQ(chmod(made.path.c_str(), 0755), 0);
    const RuntimeFolder remade = find();
    EXPECT_NE(remade.path, made.path);
    EXPECT_TRUE(IsPrivateFolder(remade.path, false));
    // A note open to others is not trusted: the start then runs alone and says why.
    ASSERT_EQ(chmod(note.c_str(), 0644), 0);
    const RuntimeFolder untrusted = find();
    EXPECT_TRUE(untrusted.path.empty());
    InstanceChannel alone(untrusted, "q");
    EXPECT_FALSE(alone.HandOverOrListen(kOpen, 100ms));
    EXPECT_EQ(alone.Listener(), -1);
    EXPECT_NE(alone.Problem().find(note), std::string::npos);
}

TEST_F(InstanceChannelTest, WhatAKilledInstanceLeftIsReplacedAndTheStartBecomesTheInstance) {
    MakeFile(socket_ + ".lock", 0600);
    for (const bool leftSocket : {true, false}) {
        if (leftSocket) {
            Socket(socket_, 0600, false);
        } else {
            MakeFile(socket_, 0600);
        }
        InstanceChannel channel(run_, "q");
        EXPECT_FALSE(channel.HandOverOrListen(kOpen, 1s));
        EXPECT_GE(channel.Listener(), 0) << channel.Problem();
        struct stat info;
        ASSERT_EQ(lstat(socket_.c_str(), &info), 0);
        EXPECT_TRUE(S_ISSOCK(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0600u);
    }
    // The instance removes its socket when it ends.
    EXPECT_FALSE(std::filesystem::exists(socket_));
}

TEST_F(InstanceChannelTest, AnInstanceThatDoesNotAnswerCountsAsAFailedHandOver) {
    // A live instance holds the lock and listens, but never answers.
    const int lock = open((socket_ + ".lock").c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    const int silent = Socket(socket_, 0600, true);
    const auto soon = [] { return std::chrono::steady_clock::now() + 100ms; };
    EXPECT_EQ(HandOver(socket_, kOpen, soon()), HandOverResult::NoAnswer);
    {
        // The start then becomes the instance itself, in its place.
        InstanceChannel channel(run_, "q");
        EXPECT_FALSE(channel.HandOverOrListen(kOpen, 100ms));
        EXPECT_GE(channel.Listener(), 0) << channel.Problem();
    }
    // A socket that others may use is not trusted with a command at all.
    const int shared = Socket(socket_, 0666, true);
    EXPECT_EQ(HandOver(socket_, kOpen, soon()), HandOverResult::NobodyListens);
    for (const int fd : {shared, silent, lock}) {
        close(fd);
    }
}

TEST_F(InstanceChannelTest, ALockThatCannotBeTakenNeverMakesTheStartTheInstance) {
    // The lock of "open" is open to others, that of "folder" a folder.
    MakeFile(run_.path + "/open.lock", 0644);
    ASSERT_EQ(mkdir((run_.path + "/folder.lock").c_str(), 0700), 0);
    for (const std::string name : {"open", "folder"}) {
        InstanceChannel channel(run_, name);
        EXPECT_FALSE(channel.HandOverOrListen(kOpen, 100ms));
        // The window runs, but does not listen where a start with a working lock would.
        EXPECT_EQ(channel.Listener(), -1) << name;
        EXPECT_NE(channel.Problem().find(name + ".lock"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(run_.path + "/" + name));
    }
}

}  // namespace
}  // namespace quillex
