#include "platform/errors.h"
#include "platform/single_instance.h"

#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

extern char** environ;

namespace {

class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/single-instance-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Starts the helper; its standard output comes back through `out`.
    pid_t spawnHelper(const char* mode, int* out = nullptr) {
        int fds[2];
        EXPECT_EQ(pipe(fds), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        std::string helper = INSTANCE_HELPER;
        char* argv[] = {helper.data(), dir.data(), const_cast<char*>(mode), nullptr};
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, helper.c_str(), &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        if (out)
            *out = fds[0];
        else
            close(fds[0]);
        return pid;
    }

    static int exitCode(pid_t pid) {
        int status = 0;
        EXPECT_EQ(waitpid(pid, &status, 0), pid);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string dir;
};

} // namespace

TEST_F(SingleInstanceTest, SecondProcessFailsToAcquireAndBringsTheFirstForward) {
    int out = -1;
    pid_t first = spawnHelper("hold", &out);
    char line[8] = {};
    ASSERT_EQ(read(out, line, 5), 5); // "held\n": the guard is taken and listening
    close(out);
    EXPECT_STREQ(line, "held\n");

    EXPECT_EQ(exitCode(spawnHelper("second")), 0);
    EXPECT_EQ(exitCode(first), 0); // its callback fired
    // With both gone, the guard is free again.
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
