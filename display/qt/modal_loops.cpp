#include "display/qt/modal_loops.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>

bool ModalLoops::run(HWND dialog) {
    if (m_abandoned || QCoreApplication::closingDown()) return false;
    QEventLoop loop;
    Running entry{dialog, &loop, false};
    m_running.push_back(&entry);
    loop.exec(QEventLoop::DialogExec);
    m_running.erase(std::remove(m_running.begin(), m_running.end(), &entry), m_running.end());
    // A loop that stopped without its dialog ending was stopped by Qt itself:
    // the application is quitting.
    if (!entry.ended) m_abandoned = true;
    return !m_abandoned;
}

void ModalLoops::end(HWND dialog) {
    for (Running* entry : m_running) {
        if (entry->dialog != dialog) continue;
        entry->ended = true;
        entry->loop->quit();
    }
}

void ModalLoops::abandonAll() {
    m_abandoned = true;
    for (Running* entry : m_running) entry->loop->quit();
}

bool ModalLoops::running(HWND dialog) const {
    return std::any_of(m_running.begin(), m_running.end(), [dialog](const Running* entry) { return entry->dialog == dialog; });
}
