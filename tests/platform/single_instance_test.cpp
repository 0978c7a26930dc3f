#include "platform/errors.h"
#include "platform/single_instance.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

    // The helper program playing a copy of the program in `mode`, as a shell command.
    std::string helper(const char* mode) const {
        return std::string(INSTANCE_HELPER) + " " + dir + " " + mode;
    }

    std::string dir;
};

} // namespace

TEST_F(SingleInstanceTest, SecondProcessFailsToAcquireAndBringsTheFirstForward) {
    FILE* first = popen(helper("hold").c_str(), "r");
    ASSERT_NE(first, nullptr);
    char line[8] = {};
    ASSERT_NE(fgets(line, sizeof line, first), nullptr); // "held": the guard is taken and listening
    EXPECT_STREQ(line, "held\n");

    EXPECT_EQ(std::system(helper("second").c_str()), 0);
    EXPECT_EQ(pclose(first), 0); // its callback fired
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
