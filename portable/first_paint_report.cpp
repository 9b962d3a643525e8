#include "portable/first_paint_report.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

bool FirstPaintReport::wanted() {
    const char* value = std::getenv("RESONIX_REPORT_FIRST_PAINT");
    return value && std::strcmp(value, "1") == 0;
}

void FirstPaintReport::print() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const long long nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    const char* path = std::getenv("RESONIX_FIRST_PAINT_FILE");
    std::FILE* out = path && *path ? std::fopen(path, "w") : stdout;
    if (!out) return;
    std::fprintf(out, "first-paint %lld\n", nanoseconds);
    if (out == stdout) std::fflush(out);
    else std::fclose(out);
}
