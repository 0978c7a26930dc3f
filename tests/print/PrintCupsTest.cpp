// The entries against a real CUPS server: a private cupsd that this test starts in a temporary
// folder, listening on a Unix socket only, with a cups-pdf printer. Its cupsd is stopped and its
// files removed whatever the outcome.
#include "PrintTestSupport.h"

#include <gtest/gtest.h>

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
#include <sstream>
#include <thread>

namespace {

using namespace printtest;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string readFile(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

bool accepts(const fs::path& socketPath) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", socketPath.c_str());
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    close(fd);
    return ok;
}

// A cupsd of our own: configuration, spool and logs in `root`, one Unix socket, no network.
class PrivateCupsd {
public:
    explicit PrivateCupsd(const fs::path& root) : root_(root), socket_(root / "cups.sock") {
        // Filters run as the "lp" user and must reach the spool and the temporary folder.
        fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
        for (const char* dir : {"conf", "spool", "cache", "state", "log", "tmp"})
            fs::create_directory(root_ / dir);
        fs::permissions(root_ / "tmp", fs::perms::all | fs::perms::sticky_bit);
        writeFile(root_ / "conf" / "cupsd.conf",
                  "Listen " + socket_.string() +
                      "\nLogLevel debug\nBrowsing No\nWebInterface No\n"
                      "DefaultAuthType None\n"
                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                      "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                      "  </Limit>\n</Policy>\n");
        writeFile(root_ / "conf" / "cups-files.conf",
                  "ServerRoot " + (root_ / "conf").string() + "\nRequestRoot " + (root_ / "spool").string() +
                      "\nCacheDir " + (root_ / "cache").string() + "\nStateDir " +
                      (root_ / "state").string() + "\nTempDir " + (root_ / "tmp").string() + "\nErrorLog " +
                      (root_ / "log" / "error_log").string() + "\nAccessLog " +
                      (root_ / "log" / "access_log").string() + "\nPageLog " +
                      (root_ / "log" / "page_log").string() + "\n");
        const std::string cupsd = fs::exists("/usr/sbin/cupsd") ? "/usr/sbin/cupsd" : "cupsd";
        const std::string conf = (root_ / "conf" / "cupsd.conf").string();
        const std::string files = (root_ / "conf" / "cups-files.conf").string();
        const std::string out = (root_ / "log" / "cupsd.out").string();
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM); // never outlive the test
            const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, 1);
            dup2(fd, 2);
            execlp(cupsd.c_str(), cupsd.c_str(), "-f", "-c", conf.c_str(), "-s", files.c_str(), nullptr);
            _exit(127);
        }
        for (auto waited = 0ms; waited < 15s && pid_ > 0; waited += 100ms) {
            if (accepts(socket_)) return;
            int status;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            std::this_thread::sleep_for(100ms);
        }
        problem_ = "cupsd did not start: " + readFile(root_ / "log" / "cupsd.out") + log();
    }

    ~PrivateCupsd() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        for (int i = 0; i < 50; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
            std::this_thread::sleep_for(100ms);
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }

    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    bool running() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }
    const fs::path& socket() const { return socket_; }
    std::string log() const { return readFile(root_ / "log" / "error_log"); }

private:
    fs::path root_;
    fs::path socket_;
    pid_t pid_ = -1;
    std::string problem_;
};

struct Jobs {
    cups_job_t* list = nullptr;
    int count = 0;
    Jobs() { count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, CUPS_WHICHJOBS_ALL); }
    ~Jobs() { cupsFreeJobs(count, list); }
};

class PrintCups : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "the cups-pdf backend of the test printer runs only for root";
        setenv("HOME", home_.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home_.path() / ".config").c_str(), 1);
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
        for (const auto& file : printed_)
            fs::remove(file);
        std::error_code ignored;
        if (!printed_.empty() && !hadCupsPdfFolder_ && fs::is_empty(cupsPdfFolder_, ignored))
            fs::remove(cupsPdfFolder_, ignored);
    }

    int printSheet() {
        std::vector<tisk::ShortString> lines(tisk::kMaxExamples);
        for (int i = 0; i < 10; ++i)
            lines[i] = shortString(examples_[i]);
        const tisk::ShortString name = shortString("Ľubica Ťažká");
        const Library library(tisk::kTiskLibrary);
        return reinterpret_cast<tisk::LinesEntry*>(library.entry("TR2"))(lines.data(), 10, &name);
    }

    // cups-pdf writes a job into ~/PDF of the user who printed it, named after the job id.
    fs::path cupsPdfOutput(int jobId) {
        for (const auto& file : pdfsIn(cupsPdfFolder_))
            if (file.filename().string().find("job_" + std::to_string(jobId)) != std::string::npos) {
                printed_.push_back(file);
                return file;
            }
        return {};
    }

    std::vector<std::string> examples_ = [] {
        std::vector<std::string> e;
        for (int i = 1; i <= 10; ++i)
            e.push_back("Žiaci " + std::to_string(i) + ". triedy čítajú rozprávky.");
        return e;
    }();
    TempDir home_;
    TempDir server_;
    std::unique_ptr<PrivateCupsd> cupsd_;
    std::vector<fs::path> printed_;
    fs::path cupsPdfFolder_;
    bool hadCupsPdfFolder_ = true;
};

TEST_F(PrintCups, WithoutADefaultPrinterTheEntrySaysSoAndPrintsNothing) {
    ASSERT_EQ(printSheet(), tisk::kNoDefaultPrinter);
    EXPECT_EQ(Jobs().count, 0);
    EXPECT_EQ(pdfsIn(home_.path() / "Documents" / "Brevion").size(), 1u) << "the sheet is still kept";
}

TEST_F(PrintCups, APrintedSheetArrivesAsAPdfJob) {
    run("lpadmin -d PDF");
    ASSERT_EQ(printSheet(), tisk::kPrinted);

    int jobId = 0;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    for (auto waited = 0ms; waited < 60s; waited += 250ms) {
        Jobs jobs;
        ASSERT_EQ(jobs.count, 1);
        jobId = jobs.list[0].id;
        state = jobs.list[0].state;
        EXPECT_STREQ(jobs.list[0].format, "application/pdf");
        EXPECT_STREQ(jobs.list[0].title, "Druhy podmetu - Ľubica Ťažká");
        if (state >= IPP_JSTATE_STOPPED) break;
        std::this_thread::sleep_for(250ms);
    }
    ASSERT_EQ(state, IPP_JSTATE_COMPLETED);

    fs::path output;
    for (auto waited = 0ms; waited < 10s && output.empty(); waited += 200ms) {
        output = cupsPdfOutput(jobId);
        if (output.empty()) std::this_thread::sleep_for(200ms);
    }
    ASSERT_FALSE(output.empty()) << "no cups-pdf output for job " << jobId;
    std::vector<std::string> expected{"Druhy podmetu", "Ľubica Ťažká"};
    expected.insert(expected.end(), examples_.begin(), examples_.end());
    const std::string text = pdfText(output);
    const int missing = firstMissingInOrder(text, expected);
    EXPECT_EQ(missing, -1) << (missing >= 0 ? expected[missing] : "") << " not in: " << text;
}

} // namespace
