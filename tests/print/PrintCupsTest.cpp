// The entries against a real CUPS server: a private cupsd started in a temporary folder, listening
// on a Unix socket only, with a cups-pdf printer. It is stopped and its files removed whatever the
// outcome, and it dies with the test process.
#include "../support/FileBytes.h"
#include "PrintTestSupport.h"

#include <cups/cups.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

namespace {

using namespace printtest;
using namespace std::chrono_literals;

class PrivateCupsd {
public:
    explicit PrivateCupsd(const fs::path& root) : root_(root) {
        // Filters run as "lp": they must reach the spool and the temporary folder.
        fs::permissions(root,
                        fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                            fs::perms::others_exec,
                        fs::perm_options::add);
        for (const char* dir : {"spool", "cache", "state", "log", "tmp"})
            fs::create_directory(root / dir);
        fs::permissions(root / "tmp", fs::perms::all | fs::perms::sticky_bit);
        std::ofstream(root / "cupsd.conf") << "Listen " << socket().string()
                                           << "\nLogLevel debug\nBrowsing No\nWebInterface No\n"
                                              "<Location />\nOrder allow,deny\nAllow all\n</Location>\n";
        std::ofstream files(root / "cups-files.conf");
        files << "ServerRoot " << root.string() << "\nErrorLog " << (root / "log/error_log").string() << "\n";
        for (auto [key, dir] : {std::pair{"RequestRoot", "spool"},
                                {"CacheDir", "cache"},
                                {"StateDir", "state"},
                                {"TempDir", "tmp"},
                                {"AccessLog", "log/access_log"},
                                {"PageLog", "log/page_log"}})
            files << key << " " << (root / dir).string() << "\n";
        files.close();
        if ((pid_ = fork()) == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int out = open((root / "log/cupsd.out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(out, 1);
            dup2(out, 2);
            execlp("cupsd", "cupsd", "-f", "-c", (root / "cupsd.conf").c_str(), "-s",
                   (root / "cups-files.conf").c_str(), nullptr);
            _exit(127);
        }
        for (auto waited = 0ms; waited < 15s; waited += 100ms) {
            if (accepting()) return;
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) break;
            std::this_thread::sleep_for(100ms);
        }
        pid_ = stop();
        problem_ = "cupsd did not start: " + readFile(root / "log/cupsd.out") + log();
    }
    ~PrivateCupsd() { stop(); }

    bool running() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }
    fs::path socket() const { return root_ / "cups.sock"; }
    std::string log() const { return readFile(root_ / "log/error_log"); }

private:
    bool accepting() const {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", socket().c_str());
        const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
        close(fd);
        return ok;
    }

    pid_t stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            for (int i = 0; i < 50 && waitpid(pid_, nullptr, WNOHANG) == 0; ++i)
                std::this_thread::sleep_for(100ms);
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        return -1;
    }

    fs::path root_;
    pid_t pid_ = -1;
    std::string problem_;
};

struct Jobs {
    cups_job_t* list = nullptr;
    int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, CUPS_WHICHJOBS_ALL);
    ~Jobs() { cupsFreeJobs(count, list); }
};

class PrintCups : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "the cups-pdf backend of the test printer runs only for root";
        setenv("HOME", home_.path().c_str(), 1);
        unsetenv("LPDEST");
        unsetenv("PRINTER");
        const passwd* pw = getpwuid(geteuid());
        cupsPdfFolder_ = fs::path(pw ? pw->pw_dir : "/root") / "PDF";
        hadCupsPdfFolder_ = fs::exists(cupsPdfFolder_);
        cupsd_ = std::make_unique<PrivateCupsd>(server_.path());
        if (!cupsd_->running()) GTEST_SKIP() << "no private CUPS server for this test: " << cupsd_->problem();
        setenv("CUPS_SERVER", cupsd_->socket().c_str(), 1);
        cupsSetServer(cupsd_->socket().c_str()); // the libraries share this process's libcups
        run("lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=A4 "
            "-o pdftops-renderer-default=pdftocairo 2>&1");
    }

    void TearDown() override {
        if (HasFailure() && cupsd_) std::cerr << "cupsd log:\n" << cupsd_->log();
        if (output_.empty()) return;
        fs::remove(output_);
        std::error_code ignored;
        if (!hadCupsPdfFolder_ && fs::is_empty(cupsPdfFolder_, ignored)) fs::remove(cupsPdfFolder_, ignored);
    }

    int printSheet() {
        std::vector<tisk::ShortString> lines(tisk::kMaxExamples);
        for (int i = 0; i < 10; ++i)
            lines[i] = shortString("Žiaci " + std::to_string(i + 1) + ". triedy čítajú rozprávky.");
        const tisk::ShortString name = shortString("Ľubica Ťažká");
        return Library(tisk::kTiskLibrary).entry<tisk::LinesEntry>("TR2")(lines.data(), 10, &name);
    }

    TempDir home_, server_;
    std::unique_ptr<PrivateCupsd> cupsd_;
    fs::path cupsPdfFolder_, output_;
    bool hadCupsPdfFolder_ = true;
};

TEST_F(PrintCups, APrintedSheetArrivesAsAPdfJob) {
    run("lpadmin -d PDF");
    ASSERT_EQ(printSheet(), tisk::kPrinted);
    int id = 0;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    for (auto waited = 0ms; waited < 60s && state < IPP_JSTATE_STOPPED; waited += 250ms) {
        std::this_thread::sleep_for(250ms);
        const Jobs jobs;
        ASSERT_EQ(jobs.count, 1);
        EXPECT_STREQ(jobs.list[0].format, "application/pdf");
        EXPECT_STREQ(jobs.list[0].title, "Druhy podmetu - Ľubica Ťažká");
        id = jobs.list[0].id;
        state = jobs.list[0].state;
    }
    ASSERT_EQ(state, IPP_JSTATE_COMPLETED);
    // cups-pdf writes the job into ~/PDF of the user who printed it, named after the job id.
    for (auto waited = 0ms; waited < 10s && output_.empty(); waited += 200ms) {
        for (const auto& file : pdfsIn(cupsPdfFolder_))
            if (file.filename().string().find("job_" + std::to_string(id)) != std::string::npos)
                output_ = file;
        std::this_thread::sleep_for(200ms);
    }
    ASSERT_FALSE(output_.empty()) << "no cups-pdf output for job " << id;
    const auto kept = pdfsIn(home_.path() / "Documents" / "Brevion");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(pdfText(output_), pdfText(kept[0])) << "the job is the sheet that was kept";
}

// A printer that is not the default is not used in its place; a default printer that rejects jobs is
// a failure, not a missing printer.
TEST_F(PrintCups, NoOrARejectingDefaultPrinterPrintsNothingAndSaysWhich) {
    EXPECT_EQ(printSheet(), tisk::kNoDefaultPrinter);
    EXPECT_EQ(Jobs().count, 0);
    run("lpadmin -d PDF && cupsreject PDF");
    EXPECT_EQ(printSheet(), tisk::kFailed);
    EXPECT_EQ(Jobs().count, 0);
}

} // namespace
