// resonix itself, on the real display, played by the interaction driver:
//   resonix_interaction [openings] [calculations per opening]

#include <cstdlib>

#include "bench/interaction_driver.h"
#include "display/qt/qt_session.h"
#include "framework/afx_globals.h"
#include "res/resources.h"

int main(int argc, char** argv) {
    QtSession screen(argc, argv);
    InteractionDriver driver(argc > 1 ? std::atoi(argv[1]) : 10, argc > 2 ? std::atoi(argv[2]) : 5);
    driver.start();
    return AfxWinMain(resonixResources(), nullptr, nullptr, SW_SHOWDEFAULT);
}
