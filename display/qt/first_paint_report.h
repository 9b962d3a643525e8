#pragma once

// For the start-up benchmark: with RESONIX_REPORT_FIRST_PAINT=1 in the
// environment, the program prints the monotonic clock at its first paint and
// ends, so that a launcher can time the start.
class FirstPaintReport {
public:
    static bool wanted();
    // Prints "first-paint <nanoseconds of the monotonic clock>" on stdout.
    static void print();
};
