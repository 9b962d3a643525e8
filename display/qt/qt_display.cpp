#include "display/qt/qt_display.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "display/qt/accessible_roles.h"
#include "display/qt/base_units.h"
#include "display/qt/dialog_view.h"
#include "display/qt/window_text.h"
#include "windowing/dialog_window.h"
#include "portable/first_paint_report.h"
#include "windowing/window_system.h"

namespace {

QFont fixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFont interface = QApplication::font();
    if (interface.pointSizeF() > 0) font.setPointSizeF(interface.pointSizeF());
    else if (interface.pixelSize() > 0) font.setPixelSize(interface.pixelSize());
    return font;
}

}  // namespace

QtDisplay::QtDisplay() : m_baseUnits(baseUnitsOf(QApplication::font())), m_fixedFont(fixedPitchFont()) {
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &m_context, [this] { abandon(); });
    installAccessibleRoles();
}

QtDisplay::~QtDisplay() {
    if (WindowSystem::instance().display() == this) WindowSystem::instance().setDisplay(nullptr);
    // Owned windows before their owners.
    while (!m_views.empty()) {
        auto innermost = m_views.begin();
        for (auto it = m_views.begin(); it != m_views.end(); ++it) {
            if (reinterpret_cast<std::uintptr_t>(it->first) > reinterpret_cast<std::uintptr_t>(innermost->first)) innermost = it;
        }
        m_views.erase(innermost);
    }
}

DialogView* QtDisplay::viewFor(HWND dialog) const {
    const auto found = m_views.find(dialog);
    return found == m_views.end() ? nullptr : found->second.get();
}

void QtDisplay::windowCreated(HWND dialog) {
    const DialogWindow* window = WindowSystem::instance().findDialog(dialog);
    if (!window || viewFor(dialog)) return;
    const DialogView* owner = viewFor(window->owner());
    m_views.emplace(dialog, std::make_unique<DialogView>(dialog, owner ? owner->surface() : nullptr, *this));
}

void QtDisplay::windowDestroyed(HWND dialog) { m_views.erase(dialog); }

void QtDisplay::windowChanged(HWND window, Change change) {
    if (DialogView* view = viewFor(WindowSystem::instance().topLevelOf(window))) view->changed(window, change);
}

bool QtDisplay::runModalLoop(HWND dialog) {
    if (WindowSystem::instance().modalRunEnded(dialog)) return !m_loops.abandoned();
    return m_loops.run(dialog);
}

void QtDisplay::modalRunEnding(HWND dialog) { m_loops.end(dialog); }

void QtDisplay::beginMoveOrSize(HWND dialog, UINT command) {
    const QWidget* surface = widgetFor(dialog);
    QWindow* window = surface ? surface->windowHandle() : nullptr;
    if (!window) return;
    if (command == SC_MOVE) window->startSystemMove();
    else window->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
}

void QtDisplay::openAddress(const std::string& address) { QDesktopServices::openUrl(QUrl(toQt(address))); }

POINT QtDisplay::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return WindowDisplay::screenSize();
    const QSize size = screen->geometry().size();
    return POINT{size.width(), size.height()};
}

void QtDisplay::abandon() { m_loops.abandonAll(); }

void QtDisplay::surfacePainted() {
    if (!m_reportsFirstPaint || m_firstPaintSeen) return;
    m_firstPaintSeen = true;
    // After the paint has reached the screen, once the event loop is back.
    QTimer::singleShot(0, &m_context, [this] {
        FirstPaintReport::print();
        abandon();
    });
}

QWidget* QtDisplay::widgetFor(HWND window) const {
    const DialogView* view = viewFor(WindowSystem::instance().topLevelOf(window));
    return view ? view->widgetFor(window) : nullptr;
}

QImage QtDisplay::minimizedPicture(HWND dialog) const {
    const DialogView* view = viewFor(dialog);
    return view ? view->minimizedPicture() : QImage();
}
