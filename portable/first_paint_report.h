#pragma once

// For the start-up benchmark and the package checks, on every platform: with
// RESONIX_REPORT_FIRST_PAINT=1 in the environment, the program prints the
// monotonic clock at its first paint and ends, so that a launcher can time
// the start and see that it painted.
class FirstPaintReport {
public:
    static bool wanted();
    // Prints "first-paint <nanoseconds of the monotonic clock>" on stdout, or
    // into the file RESONIX_FIRST_PAINT_FILE names where that is set (under
    // Wine, a program's stdout does not always reach the shell).
    static void print();
};
