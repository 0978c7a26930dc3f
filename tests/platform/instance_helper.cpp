// Plays one copy of the program for the single-instance tests.
//   instance_helper <dir> hold    takes the guard, prints "held", waits up to 10 s for a request;
//                                 exit 0 when one came
//   instance_helper <dir> second  must fail to take the guard and have its request taken; exit 0
#include "platform/single_instance.h"

#include <chrono>
#include <cstdio>
#include <future>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    auto guard = platform::makeSingleInstance(argv[1]);
    const std::string mode = argv[2];
    if (mode == "hold") {
        if (!guard->acquire("Brevion Lumena")) return 3;
        std::promise<void> asked;
        guard->listen([&asked] { asked.set_value(); });
        std::puts("held");
        std::fflush(stdout);
        return asked.get_future().wait_for(std::chrono::seconds(10)) == std::future_status::ready ? 0 : 4;
    }
    if (mode == "second") {
        if (guard->acquire("Brevion Lumena")) return 5;
        return guard->askRunningCopyForward() ? 0 : 6;
    }
    return 2;
}
