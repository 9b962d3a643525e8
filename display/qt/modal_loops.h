#pragma once

#include <vector>

#include "portable/win_types.h"

class QEventLoop;

// The nested Qt event loops of the modal runs, innermost last. A loop runs
// until the window system ends its dialog, or until no more input will come.
class ModalLoops {
public:
    ModalLoops() = default;
    ModalLoops(const ModalLoops&) = delete;
    ModalLoops& operator=(const ModalLoops&) = delete;

    // Runs Qt's events until end(dialog) or abandonAll(); false when the run
    // was abandoned or the loop stopped for another reason (the application
    // is quitting).
    bool run(HWND dialog);
    void end(HWND dialog);
    // Stops every loop: no more input will come.
    void abandonAll();
    bool abandoned() const { return m_abandoned; }
    bool running(HWND dialog) const;

private:
    struct Running {
        HWND dialog;
        QEventLoop* loop;
        bool ended;
    };
    std::vector<Running*> m_running;
    bool m_abandoned = false;
};
