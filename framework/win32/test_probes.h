#pragma once

// What the checks that watch the Windows program from outside ask of it, in
// one place and off unless the environment asks for it:
//   RESONIX_REPORT_FIRST_PAINT=1  at the first paint of its first window the
//                                 program reports the time and ends
//                                 (portable/first_paint_report.h);
//   RESONIX_FONT_REPORT_FILE=...  a dialog sent the registered font-report
//                                 message writes its controls' fonts there
//                                 (font_report.h).
// The program's own windows know nothing of them: a hook on the program's
// thread gives each dialog, as it opens, a subclass that answers them.
namespace test_probes {

// At the start of the program; installs nothing when no report is asked for.
void installIfAsked();

}  // namespace test_probes
