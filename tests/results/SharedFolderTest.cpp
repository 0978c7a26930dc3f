// Many copies of the program writing one results table and one results log at once, as in a
// computer room whose data folder is on the school's file server: real processes, real locks.
#include "results/ResultsLog.h"
#include "results/ResultsTable.h"
#include "results/TextFile.h"

#include <platform/encoding.h>
#include <platform/errors.h>
#include <platform/file_lock.h>

#include "ResultFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pthread.h>
#include <random>
#include <set>
#include <sstream>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using results::ResultRecord;
using results::ResultsTable;

namespace {

// Every line a whole record of four fields with integer counts and grade, the list ranked.
::testing::AssertionResult completeAndRanked(const std::string& bytes, std::vector<std::string>* names) {
    if (!bytes.empty() && bytes.substr(bytes.size() - 2) != "\r\n")
        return ::testing::AssertionFailure() << "cut off: " << bytes.size() << " bytes";
    ResultsTable table;
    table.loadText(platform::cp1250ToUtf8(bytes));
    for (std::size_t i = 0; i < table.records().size(); ++i) {
        const ResultRecord& r = table.records()[i];
        if (r.damaged())
            return ::testing::AssertionFailure() << "damaged line " << i << ": " << r.damagedLine;
        if (i > 0 && results::isWorse(table.records()[i - 1], r))
            return ::testing::AssertionFailure() << "line " << i << " ranks above line " << i - 1;
        if (names) names->push_back(r.name);
    }
    if (table.text() != platform::cp1250ToUtf8(bytes))
        return ::testing::AssertionFailure() << "not as written";
    return ::testing::AssertionSuccess();
}

// What one writer does at the end of one run: its table read earlier (when the exercise opened),
// the new record inserted, the table saved, the log record appended.
void finishRun(const fs::path& table, const fs::path& log, const std::string& name, int right) {
    ResultsTable t;
    t.NactiSoubor(table);
    const std::string r = std::to_string(right), w = std::to_string(10 - right);
    const std::string grade = std::to_string(1 + (10 - right) / 2);
    t.VlozNovyZaznam(name, r, w, grade);
    t.UlozSoubor(table, 30s);
    results::appendToFile(
        log, results::formatLogRecord(name, "Podmet a prísudok", r, w, grade, "6.12.2026", "9:05:07"), 30s);
}

struct Shared {
    pthread_barrier_t barrier;
    int failures[8];
};

} // namespace

// Eight processes end a run at the same moment, a hundred times: no record lost or damaged, the
// table ranked.
TEST(SharedFolder, EightWritersAHundredRoundsLoseNothing) {
    constexpr int kWriters = 8, kRounds = 100;
    TempDir dir;
    const fs::path table = dir.path / "P01.res", log = dir.path / "Vysledky.dat";
    std::ofstream(table, std::ios::binary) << platform::utf8ToCp1250("Učiteľ|10|0|1\r\n");

    void* memory = ::mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(memory, MAP_FAILED);
    Shared* shared = static_cast<Shared*>(memory);
    pthread_barrierattr_t attr;
    pthread_barrierattr_init(&attr);
    pthread_barrierattr_setpshared(&attr, PTHREAD_PROCESS_SHARED);
    pthread_barrier_init(&shared->barrier, &attr, kWriters);

    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::mt19937 random{unsigned(w)};
            for (int round = 0; round < kRounds; ++round) {
                pthread_barrier_wait(&shared->barrier);
                try {
                    finishRun(table, log, "Žiak" + std::to_string(w) + "-" + std::to_string(round),
                              int(random() % 11));
                } catch (const std::exception& e) {
                    // Reported, and the rounds go on: the others wait for this one at the barrier.
                    std::fprintf(stderr, "writer %d: %s\n", w, e.what());
                    shared->failures[w] += 1;
                }
            }
            std::_Exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int w = 0; w < kWriters; ++w)
        EXPECT_EQ(shared->failures[w], 0) << "writer " << w;

    std::vector<std::string> names;
    ASSERT_TRUE(completeAndRanked(readFile(table), &names));
    std::set<std::string> expected{"Učiteľ"};
    for (int w = 0; w < kWriters; ++w)
        for (int round = 0; round < kRounds; ++round)
            expected.insert("Žiak" + std::to_string(w) + "-" + std::to_string(round));
    EXPECT_EQ(names.size(), expected.size());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);

    const std::vector<std::string> lines = results::splitLines(platform::cp1250ToUtf8(readFile(log)));
    ASSERT_EQ(lines.size(), 4u * kWriters * kRounds);
    std::set<std::string> logged;
    for (std::size_t i = 0; i < lines.size(); i += 4) {
        ASSERT_EQ(lines[i].rfind("Meno:  Žiak", 0), 0u) << lines[i];
        ASSERT_EQ(lines[i + 1], "Hra: Podmet a prísudok" + std::string(50 - 17, ' '));
        ASSERT_EQ(lines[i + 3], std::string(75, '='));
        logged.insert(lines[i].substr(7, lines[i].find(' ', 7) - 7));
    }
    EXPECT_EQ(logged.size(), std::size_t(kWriters * kRounds));

    ::munmap(memory, sizeof(Shared));
}

// Writers killed at random moments while others write: the table is always a complete, ranked
// version, every save a writer saw succeed is in it, and no temporary file outlives the next save.
TEST(SharedFolder, WritersKilledAtRandomMomentsLeaveCompleteFiles) {
    constexpr int kWriters = 8;
    TempDir dir;
    const fs::path table = dir.path / "P02.res", log = dir.path / "Vysledky.dat";
    std::ofstream(table, std::ios::binary) << "";
    int acks[2];
    ASSERT_EQ(::pipe(acks), 0);

    int started = 0;
    auto start = [&] {
        const int id = started++;
        pid_t child = ::fork();
        if (child == 0) {
            ::close(acks[0]);
            std::mt19937 random{unsigned(id)};
            for (int i = 0;; ++i) {
                const std::string name = "W" + std::to_string(id) + "-" + std::to_string(i);
                finishRun(table, log, name, int(random() % 11));
                const std::string line = name + "\n";
                if (::write(acks[1], line.data(), line.size()) < 0) std::_Exit(1);
            }
        }
        return child;
    };
    std::vector<pid_t> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.push_back(start());
    ::close(acks[1]);

    std::mt19937 random(7);
    int kills = 0;
    for (int round = 0; round < 60; ++round) {
        ::usleep(2000 + random() % 15000);
        pid_t& victim = writers[random() % writers.size()];
        ::kill(victim, SIGKILL);
        ::waitpid(victim, nullptr, 0);
        ++kills;
        const ::testing::AssertionResult complete = completeAndRanked(readFile(table), nullptr);
        EXPECT_TRUE(complete) << "after kill " << kills;
        victim = start();
        if (!complete) break;
    }
    for (pid_t w : writers) {
        ::kill(w, SIGKILL);
        ::waitpid(w, nullptr, 0);
    }
    std::set<std::string> acknowledged;
    {
        std::string all;
        char buffer[4096];
        for (ssize_t n; (n = ::read(acks[0], buffer, sizeof buffer)) > 0;)
            all.append(buffer, std::size_t(n));
        std::istringstream in(all);
        for (std::string name; std::getline(in, name);)
            acknowledged.insert(name);
        ::close(acks[0]);
    }

    // One more save by a live copy removes the temporary files the killed ones left.
    finishRun(table, log, "Posledný", 10);
    std::vector<std::string> names;
    ASSERT_TRUE(completeAndRanked(readFile(table), &names));
    const std::set<std::string> inTable(names.begin(), names.end());
    for (const std::string& name : acknowledged)
        EXPECT_TRUE(inTable.count(name)) << name << " was saved and then lost";
    for (const auto& entry : fs::directory_iterator(dir.path))
        EXPECT_TRUE(entry.path() == table || entry.path() == log) << entry.path();
    std::printf("[ figures  ] %d kills, %zu saves acknowledged, %zu records in the table\n", kills,
                acknowledged.size(), names.size());
}
