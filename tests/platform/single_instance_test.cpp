#include "platform/errors.h"
#include "platform/single_instance.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/single-instance-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string dir;
};

} // namespace

TEST_F(SingleInstanceTest, SecondProcessFailsToAcquireAndBringsTheFirstForward) {
    // The first copy is a child process: it takes the guard, says so through the pipe, and ends
    // with 0 once a request to come forward reached it within 10 s.
    int held[2];
    ASSERT_EQ(pipe(held), 0);
    const pid_t first = fork();
    ASSERT_GE(first, 0);
    if (first == 0) {
        auto guard = makeSingleInstance(dir);
        if (!guard->acquire("Brevion Lumena")) _exit(2);
        std::promise<void> asked;
        guard->listen([&asked] { asked.set_value(); });
        if (write(held[1], "h", 1) != 1) _exit(3);
        const bool came = asked.get_future().wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        guard.reset();
        _exit(came ? 0 : 4);
    }
    close(held[1]);
    char h = 0;
    ASSERT_EQ(read(held[0], &h, 1), 1);
    close(held[0]);

    auto second = makeSingleInstance(dir);
    EXPECT_FALSE(second->acquire("Brevion Lumena"));
    EXPECT_TRUE(second->askRunningCopyForward());
    int status = -1;
    ASSERT_EQ(waitpid(first, &status, 0), first);
    EXPECT_EQ(status, 0); // its callback fired
    // With both gone, the guard is free again.
    second.reset();
    EXPECT_TRUE(makeSingleInstance(dir)->acquire("Brevion Lumena"));
}

TEST_F(SingleInstanceTest, StaleSocketOfACrashedCopyIsReplaced) {
    // A socket file nobody listens on, as a killed copy leaves it.
    std::string path = dir + "/Brevion_Lumena.sock";
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    path.copy(addr.sun_path, path.size());
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    close(fd);

    auto first = makeSingleInstance(dir);
    ASSERT_TRUE(first->acquire("Brevion Lumena"));
    std::atomic<int> requests = 0;
    first->listen([&requests] { ++requests; });

    auto second = makeSingleInstance(dir);
    EXPECT_FALSE(second->acquire("Brevion Lumena"));
    EXPECT_TRUE(second->askRunningCopyForward());
    EXPECT_TRUE(second->askRunningCopyForward());
    EXPECT_EQ(requests, 2);
}

TEST(RuntimeDirectory, FallsBackToAPrivateFolderOfTheUser) {
    // Not set, set to a folder that does not exist, set to a file.
    for (const char* value :
         {static_cast<const char*>(nullptr), "/nonexistent/brevion-runtime", "/dev/null"}) {
        if (value)
            setenv("XDG_RUNTIME_DIR", value, 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
        std::string dir = runtimeDirectory();
        struct stat st {};
        ASSERT_EQ(lstat(dir.c_str(), &st), 0) << (value ? value : "unset");
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_uid, getuid());
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        EXPECT_NE(dir, value ? value : "");
        EXPECT_TRUE(makeSingleInstance(dir)->acquire("Brevion runtime test"));
    }
    unsetenv("XDG_RUNTIME_DIR");
}
