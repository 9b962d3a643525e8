// Launches programs that print "first-paint <monotonic nanoseconds>" at their
// first paint and then end (RESONIX_REPORT_FIRST_PAINT=1), and reports the
// median time from launch to first paint and the median peak memory of each.
//
//   resonix_launch_timer RUNS PROGRAM...
//
// The programs alternate, after one uncounted run of each to warm the caches.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Launch {
    double milliseconds = 0;
    double mebibytes = 0;
};

long long monotonicNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool launch(const char* program, Launch& result) {
    int output[2];
    if (pipe(output) != 0) return false;
    const long long start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        // Qt's start-up chatter is not what is measured.
        if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0) dup2(quiet, STDERR_FILENO);
        close(output[0]);
        close(output[1]);
        setenv("RESONIX_REPORT_FIRST_PAINT", "1", 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    std::string text;
    char buffer[256];
    for (ssize_t count; (count = read(output[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(count));
    close(output[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    const std::size_t at = text.find("first-paint ");
    if (at == std::string::npos) return false;
    const long long painted = std::atoll(text.c_str() + at + std::strlen("first-paint "));
    result.milliseconds = static_cast<double>(painted - start) / 1e6;
    result.mebibytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    return true;
}

const char* nameOf(const char* program) {
    const char* slash = std::strrchr(program, '/');
    return slash ? slash + 1 : program;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<const char*> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> times(programs.size());
    std::vector<std::vector<double>> memory(programs.size());
    for (int run = -1; run < runs; ++run) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Launch result;
            if (!launch(programs[i], result)) {
                std::fprintf(stderr, "%s did not report its first paint\n", programs[i]);
                return 1;
            }
            if (run < 0) continue;
            times[i].push_back(result.milliseconds);
            memory[i].push_back(result.mebibytes);
        }
    }
    std::printf("%d runs each, medians:\n", runs);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        std::printf("  %-20s first paint %7.1f ms   peak memory %6.1f MiB\n", nameOf(programs[i]), median(times[i]), median(memory[i]));
    }
    for (std::size_t i = 1; i < programs.size(); ++i) {
        std::printf("  ratio %s / %s: time %.2f, memory %.2f\n", nameOf(programs[0]), nameOf(programs[i]), median(times[0]) / median(times[i]),
                    median(memory[0]) / median(memory[i]));
    }
    return 0;
}
