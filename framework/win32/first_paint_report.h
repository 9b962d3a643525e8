#pragma once

// For the start-up benchmark and the Windows checks: with
// RESONIX_REPORT_FIRST_PAINT=1 in the environment, the program prints
// "first-paint <nanoseconds of the monotonic clock>" on stdout once its first
// window has painted, and ends. With RESONIX_FIRST_PAINT_FILE set as well,
// the line goes to that file instead.
namespace first_paint {

bool Wanted();
void Report();

}  // namespace first_paint
