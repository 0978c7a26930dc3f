// Saving results when the folder misbehaves: damaged lines, a lock held elsewhere, permissions,
// links and leftovers, a full file system, read-only files, and the Slovak texts that say so.
#include "results/ResultsTable.h"
#include "results/SaveErrors.h"
#include "results/TextFile.h"

#include <platform/errors.h>
#include <platform/file_lock.h>

#include "ResultFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using results::ResultsTable;

namespace {

int codeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::FileError& e) {
        return e.code();
    }
    return 0;
}

} // namespace

// Damaged lines keep their text and order below every readable record, also below a new one worse
// than all of them; a result without a grade ranks last of the readable.
TEST(SaveFailures, DamagedLinesGoBelowAndKeepTheirText) {
    ResultsTable t;
    t.loadText("x|y\r\nA|5|5|3\r\n|||\r\nB|9|1|\r\nC|1|2|z|extra\r\n");
    t.VlozNovyZaznam("D", "0", "10", "5");
    EXPECT_EQ(t.text(), "A|5|5|3\r\nD|0|10|5\r\nB|9|1|\r\nx|y\r\n|||\r\nC|1|2|z|extra\r\n");
}

// The log's lock held by another copy (the results table's is in the results screen's tests).
TEST(SaveFailures, ALockHeldElsewhereIsWaitedForThenReported) {
    TempDir dir;
    const fs::path log = dir.path / "Vysledky.dat";
    std::ofstream(log, std::ios::binary) << "old\r\n";
    // Another copy holds the log's lock (another open file: the same rules as another process).
    const int other = ::open(log.c_str(), O_RDWR);
    ASSERT_TRUE(platform::lockFile(other, log.c_str(), 0ms).locked);
    std::chrono::microseconds waited{};
    EXPECT_EQ(codeOf([&] { results::appendToFile(log, "new\r\n", 300ms, &waited); }), ETIMEDOUT);
    EXPECT_GE(waited, 250ms); // the wait, less the time the file took to open
    EXPECT_EQ(readFile(log), "old\r\n");
    ::close(other);
}

TEST(SaveFailures, ReplacingKeepsModeGroupAndLinksAndRemovesOwnLeftovers) {
    TempDir dir;
    const fs::path real = dir.path / "shared" / "P04.res", link = dir.path / "P04.res";
    fs::create_directories(real.parent_path());
    std::ofstream(real, std::ios::binary) << "A|9|1|1\r\n";
    ASSERT_EQ(::chmod(real.c_str(), 0664), 0);
    // A group other than the process's own, where the process may set one.
    const gid_t group = ::getegid() == 0 ? 4242 : ::getegid();
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(real.c_str(), static_cast<uid_t>(-1), group), 0);
    }
    fs::create_symlink(real, link);
    const fs::path stale = real.parent_path() / "P04.res.tmpAb12Cd",
                   keep = real.parent_path() / "P04.res.backup";
    std::ofstream(stale) << "half";
    std::ofstream(keep) << "teacher's copy";

    ResultsTable t;
    t.NactiSoubor(link);
    t.VlozNovyZaznam("B", "8", "2", "2");
    t.UlozSoubor(link);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(real), "A|9|1|1\r\nB|8|2|2\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_EQ(st.st_gid, group);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(keep));
    EXPECT_TRUE(results::isOwnTemporaryOf("P04.res", "P04.res.tmp9zZ0aQ"));
    EXPECT_FALSE(results::isOwnTemporaryOf("P04.res", "P04.res.tmp9zZ0a"));
    EXPECT_FALSE(results::isOwnTemporaryOf("P04.res", "P05.res.tmp9zZ0aQ"));
}

// A full file system (a 128 KiB tmpfs where the machine allows mounting one; otherwise a file size
// limit, which cuts writes short the same way): the old table and log stay whole.
TEST(SaveFailures, AFullDiskKeepsTheOldFilesWhole) {
    TempDir dir;
    const bool tmpfs = dir.mountTmpfs("size=128k");
    const fs::path file = dir.path / "P05.res", log = dir.path / "Vysledky.dat";
    std::string table;
    for (int i = 0; i < 2500; ++i) // about 38 KiB: a second copy beside it does not fit, nor under the limit
        table += "Ziak" + std::to_string(i) + "|5|5|3\r\n";
    std::ofstream(file, std::ios::binary) << table;
    std::ofstream(log, std::ios::binary) << std::string(30000, 'x');
    if (tmpfs) { // fill what is left
        std::ofstream filler(dir.path / "filler", std::ios::binary);
        filler << std::string(128 * 1024, 'f');
    }

    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (!tmpfs) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{32000, 32000};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ResultsTable t;
        t.NactiSoubor(file);
        t.VlozNovyZaznam("Nova", "9", "1", "1");
        const int tableCode = codeOf([&] { t.UlozSoubor(file); });
        const int logCode = codeOf([&] { results::appendToFile(log, std::string(4000, 'r')); });
        const bool full = tableCode == (tmpfs ? ENOSPC : EFBIG) && logCode == tableCode;
        std::_Exit(full ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << (tmpfs ? "tmpfs" : "size limit");
    EXPECT_EQ(readFile(file), table);
    EXPECT_EQ(readFile(log), std::string(30000, 'x'));
    for (const auto& entry : fs::directory_iterator(dir.path))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    EXPECT_EQ(results::pricinaChyby(ENOSPC), "disk je plný");
}

// Files that cannot be written: a read-only file system (where one can be mounted; otherwise a
// read-only file, which the superuser could still replace), a folder in place of the file.
TEST(SaveFailures, UnwritableFilesAreReportedAndLeftAlone) {
    TempDir dir;
    const bool tmpfs = dir.mountTmpfs("size=1m");
    const fs::path file = dir.path / "P06.res", log = dir.path / "Vysledky.dat";
    std::ofstream(file, std::ios::binary) << "A|9|1|1\r\n";
    fs::create_directory(dir.path / "P07.res");
    EXPECT_EQ(codeOf([&] { results::checkReplaceable((dir.path / "P07.res").string()); }), EISDIR);
    std::ofstream(log, std::ios::binary) << "old\r\n";

    int expected = EACCES;
    if (tmpfs) {
        ASSERT_EQ(::mount(nullptr, dir.path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        expected = EROFS;
    } else if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes read-only files; no read-only mount either";
    } else {
        fs::permissions(file, fs::perms::owner_read);
        fs::permissions(log, fs::perms::owner_read);
    }

    EXPECT_EQ(codeOf([&] { results::checkReplaceable(file.string()); }), expected);
    ResultsTable t;
    t.NactiSoubor(file);
    t.VlozNovyZaznam("B", "8", "2", "2");
    EXPECT_EQ(codeOf([&] { t.UlozSoubor(file); }), expected);
    EXPECT_EQ(codeOf([&] { results::appendToFile(log, "x\r\n"); }), expected);
    EXPECT_EQ(readFile(file), "A|9|1|1\r\n");
    EXPECT_EQ(readFile(log), "old\r\n");
    try {
        t.UlozSoubor(file);
    } catch (const platform::FileError& e) {
        EXPECT_EQ(results::zpravaOZapisu(e), "Výsledok sa nepodarilo zapísať do " + file.string() + ": " +
                                                 results::pricinaChyby(expected) + ".");
    }
    if (tmpfs) ::mount(nullptr, dir.path.c_str(), nullptr, MS_REMOUNT, nullptr);
}
