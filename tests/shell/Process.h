#pragma once
// The real program as a child process with a clean environment.
#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

struct Process {
    // `display` is the environment's video setting: "SDL_VIDEODRIVER=dummy", or X11 with a server
    // ("SDL_VIDEODRIVER=x11" plus "DISPLAY=..."), or X11 with no server (any use fails loudly).
    Process(const std::filesystem::path& config, const std::filesystem::path& runtime,
            std::vector<std::string> display)
        : err(config / "stderr.txt") {
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + config.string(),
                                        "XDG_RUNTIME_DIR=" + runtime.string(), "HOME=" + config.string(),
                                        "SDL_AUDIODRIVER=dummy"};
        env.insert(env.end(), display.begin(), display.end());
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::string program = BREVION_PROGRAM;
        char* argv[] = {program.data(), nullptr};
        if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Process() {
        if (pid <= 0 || !running) return;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The exit status, 128 + signal, or -1 while still running after `ms` milliseconds.
    int waitMs(int ms) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        for (;;) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                running = false;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (std::chrono::steady_clock::now() >= end) return -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::filesystem::path err;
    pid_t pid = -1;
    bool running = true;
};

// Whether the program listens for later copies: it does once it has built the menu.
inline bool listening(const std::filesystem::path& runtime) {
    for (auto& entry : std::filesystem::directory_iterator(runtime))
        if (entry.path().extension() == ".sock") return true;
    return false;
}

// Waits up to ten seconds for the menu.
inline bool menuBuilt(const std::filesystem::path& runtime) {
    for (int i = 0; i < 200 && !listening(runtime); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return listening(runtime);
}
