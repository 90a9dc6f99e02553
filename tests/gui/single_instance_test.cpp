// One copy per user: a second copy hands over to the first through the real socket; another
// process plays the other copy.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <wx/app.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/wx/single_instance.h"
#include "tests/gui/gui_events.h"
#include "tests/support/child_process.h"
#include "tests/support/process.h"
#include "tests/support/scoped_env.h"

namespace vk {
namespace {

using test::ChildProcess;
using test::TempDir;
using ::testing::ElementsAre;

const std::string kProbe = VK_INSTANCE_PROBE;

int ConnectRaw(const std::string& socketPath) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    const timeval guard{30, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &guard, sizeof guard);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &guard, sizeof guard);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Sends raw bytes as some client would and returns whatever comes back before the server
// closes the connection.
std::string Exchange(const std::string& socketPath, const std::string& bytes) {
    const int fd = ConnectRaw(socketPath);
    if (fd < 0) return "(no connection)";
    ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    ::shutdown(fd, SHUT_WR);
    std::string reply;
    char buffer[64];
    ssize_t got;
    while ((got = ::recv(fd, buffer, sizeof buffer, 0)) > 0) {
        reply.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return reply;
}

class SingleInstance : public ::testing::Test {
  protected:
    // Another copy that took the lock of the test's runtime folder and serves there.
    std::unique_ptr<ChildProcess> Serve(const char* option = nullptr) {
        std::vector<std::string> argv{kProbe, "serve", folder};
        if (option) argv.push_back(option);
        auto first = std::make_unique<ChildProcess>(argv);
        EXPECT_EQ(first->ReadLine(), "ready");
        return first;
    }
    std::unique_ptr<ChildProcess> Send(const char* command) {
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{kProbe, "send", folder, command});
    }
    TempDir dir;
    const std::string folder = dir.File("run");
};

TEST_F(SingleInstance, SecondCopyHandsShowAndShutdownToTheFirstWhateverElseArrives) {
    const std::string socket = folder + "/Vaultkeep.socket";
    auto first = Serve();
    EXPECT_EQ(test::FileMode(folder), 0700u);
    // Anything but the two commands is ignored.
    for (const std::string& bytes :
         {std::string("showx\n"), std::string("SHOW\n"), std::string("show\nshow\n"),
          std::string("show\0\n", 6), std::string("shut"), std::string(1 << 20, 's')})
        EXPECT_EQ(Exchange(socket, bytes), "") << bytes.substr(0, 20);

    CSingleInstance second("Vaultkeep", folder);
    EXPECT_TRUE(second.IsAnotherRunning());
    EXPECT_FALSE(second.HoldsLock());
    // The running copy's socket is not taken from it.
    EXPECT_FALSE(second.StartServer([](InstanceCommand) {}));

    // A client that connects and says nothing does not keep the next one out.
    const int silent = ConnectRaw(socket);
    EXPECT_TRUE(second.SendShow());
    EXPECT_EQ(Exchange(socket, "show\n"), "ok\n");
    ::close(silent);
    EXPECT_EQ(first->ReadLine(), "show");
    EXPECT_EQ(first->ReadLine(), "show");

    // The wait lasts until the first copy has ended, not just until it answered.
    EXPECT_TRUE(second.SendShutdownAndWait());
    EXPECT_THAT(first->ReadRemainingLines(), ElementsAre("shutdown", "ended"));
    EXPECT_EQ(first->Wait(), 0);
    EXPECT_TRUE(second.HoldsLock());
    EXPECT_FALSE(second.IsAnotherRunning());
    EXPECT_TRUE(second.StartServer([](InstanceCommand) {}));
}

TEST_F(SingleInstance, FirstCopyAnswersAtOnceAndWorksOnTheMainLoop) {
    auto first = std::make_unique<CSingleInstance>("Vaultkeep", folder);
    ASSERT_TRUE(first->HoldsLock());

    std::vector<InstanceCommand> received;
    std::unique_ptr<ChildProcess> sender;
    std::vector<std::string> senderSaw;
    ASSERT_TRUE(first->StartServer([&](InstanceCommand command) {
        received.push_back(command);
        if (command == InstanceCommand::kShow) {
            // The sender has its answer before the work starts, however long the work takes
            // (a user answering a question).
            while (auto line = sender->ReadLine()) senderSaw.push_back(*line);
        } else {
            first.reset();  // ends: the lock and the socket go
        }
    }));

    sender = Send("show");
    ASSERT_TRUE(test::Until([&] { return !received.empty() && sender->HasEnded(); }, 60000));
    EXPECT_THAT(senderSaw, ElementsAre("another running", "delivered"));

    auto successor = Send("shutdown");
    ASSERT_TRUE(test::Until([&] { return successor->HasEnded(); }, 60000));
    EXPECT_THAT(successor->ReadRemainingLines(), ElementsAre("another running", "took over"));
    EXPECT_THAT(received, ElementsAre(InstanceCommand::kShow, InstanceCommand::kShutdown));
    EXPECT_EQ(first, nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder + "/Vaultkeep.socket"));
}

TEST_F(SingleInstance, WhatACrashedCopyLeavesNeverBlocksTheNextStart) {
    auto crashed = Serve();
    crashed->Signal(SIGKILL);
    crashed->Wait();
    ASSERT_TRUE(std::filesystem::exists(folder + "/Vaultkeep.lock"));
    ASSERT_TRUE(std::filesystem::exists(folder + "/Vaultkeep.socket"));
    {
        CSingleInstance next("Vaultkeep", folder);
        EXPECT_FALSE(next.IsAnotherRunning());
        EXPECT_TRUE(next.HoldsLock());
        bool shown = false;
        ASSERT_TRUE(
            next.StartServer([&](InstanceCommand c) { shown = c == InstanceCommand::kShow; }));
        auto sender = Send("show");
        ASSERT_TRUE(test::Until([&] { return shown && sender->HasEnded(); }, 60000));
        EXPECT_THAT(sender->ReadRemainingLines(), ElementsAre("another running", "delivered"));
    }

    // A lock file naming a process that lives but holds nothing (its number was reused
    // after the crash), or naming none at all, is left over too.
    ChildProcess unrelated({"/bin/sleep", "60"});
    for (const std::string& content : {std::to_string(unrelated.pid()), std::string()}) {
        test::WriteFileBytes(folder + "/Vaultkeep.lock", content);
        ::chmod((folder + "/Vaultkeep.lock").c_str(), 0600);
        CSingleInstance next("Vaultkeep", folder);
        EXPECT_FALSE(next.IsAnotherRunning()) << "lock file holding '" << content << "'";
        EXPECT_TRUE(next.HoldsLock()) << "lock file holding '" << content << "'";
    }
}

TEST_F(SingleInstance, FirstCopyThatDoesNotAnswerNeverHangsTheSecond) {
    {
        auto first = Serve();
        first->Signal(SIGSTOP);  // alive, holding its lock, answering nobody

        CSingleInstance second("Vaultkeep", folder);
        second.SetAnswerTimeout(std::chrono::seconds(1));
        EXPECT_TRUE(second.IsAnotherRunning());
        EXPECT_FALSE(second.SendShow());
        EXPECT_FALSE(second.SendShutdownAndWait());
        EXPECT_FALSE(second.HoldsLock());
        EXPECT_FALSE(second.StartServer([](InstanceCommand) {}));

        // Once it runs again its socket is still its own, and what the second copy gave up
        // waiting for is not carried out late.
        first->Signal(SIGCONT);
        second.SetAnswerTimeout(std::chrono::seconds(10));
        EXPECT_TRUE(second.SendShow());
        EXPECT_TRUE(second.SendShutdownAndWait());
        EXPECT_THAT(first->ReadRemainingLines(), ElementsAre("show", "shutdown", "ended"));
    }

    // A first copy that stops serving on its way out but keeps its lock is not waited for.
    auto stuck = Serve("hang-on-shutdown");
    CSingleInstance second("Vaultkeep", folder);
    EXPECT_FALSE(second.SendShutdownAndWait());
    EXPECT_FALSE(second.HoldsLock());
    EXPECT_EQ(stuck->ReadLine(), "shutdown");
    EXPECT_EQ(stuck->ReadLine(), "stopped serving");
}

TEST_F(SingleInstance, RuntimeFolderIsTheUsersOwnAndPrivate) {
    {
        test::ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/5");
        {
            test::ScopedEnv own("VAULTKEEP_RUNTIME_DIR", "/x/y/");
            EXPECT_EQ(DefaultRuntimeFolder(), "/x/y");
        }
        test::ScopedEnv noOverride("VAULTKEEP_RUNTIME_DIR", "");
        EXPECT_EQ(DefaultRuntimeFolder(), "/run/user/5/vaultkeep");
        test::ScopedEnv relative("XDG_RUNTIME_DIR", "relative");
        EXPECT_EQ(DefaultRuntimeFolder(), "/tmp/vaultkeep-" + std::to_string(::getuid()));
    }
    {
        // A folder others could look into is made private before it is used.
        ::mkdir(dir.File("open").c_str(), 0755);
        ::chmod(dir.File("open").c_str(), 0755);
        CSingleInstance instance("Vaultkeep", dir.File("open"));
        EXPECT_TRUE(instance.HoldsLock());
        EXPECT_EQ(test::FileMode(dir.File("open")), 0700u);
    }
    {
        // A link could lead the files anywhere: no lock, no server, every copy on its own.
        ::mkdir(dir.File("elsewhere").c_str(), 0700);
        ::symlink(dir.File("elsewhere").c_str(), dir.File("link").c_str());
        CSingleInstance instance("Vaultkeep", dir.File("link"));
        EXPECT_FALSE(instance.HoldsLock());
        EXPECT_FALSE(instance.IsAnotherRunning());
        EXPECT_FALSE(instance.StartServer([](InstanceCommand) {}));
        EXPECT_TRUE(std::filesystem::is_empty(dir.File("elsewhere")));
    }
    {
        // A socket path too long for the system is refused, not cut short to another path.
        const std::string deep = dir.File(std::string(120, 'd'));
        CSingleInstance instance("Vaultkeep", deep);
        EXPECT_FALSE(instance.StartServer([](InstanceCommand) {}));
        EXPECT_EQ(test::EntriesIn(dir.path()), 4u);  // open, elsewhere, link and the deep folder
    }
}

}  // namespace
}  // namespace vk
