#include "display/qt/announcement.h"

#include <QGuiApplication>

namespace {

bool placesItsOwnWindows() { return QGuiApplication::platformName() == QStringLiteral("xcb"); }

// Not a tool tip, which Qt never reports as shown; a window that the desktop
// neither manages nor activates.
constexpr Qt::WindowFlags kOwnWindow =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint;

}  // namespace

Announcement::Announcement(QWidget* dialogSurface)
    : QWidget(placesItsOwnWindows() ? nullptr : dialogSurface, placesItsOwnWindows() ? kOwnWindow : Qt::Widget) {
    setObjectName(QStringLiteral("announcement"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (isWindow()) setGeometry(-100, -100, 1, 1);
    else setGeometry(0, 0, 0, 0);
    hide();
}

void Announcement::say(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}
