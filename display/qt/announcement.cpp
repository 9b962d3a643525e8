#include "display/qt/announcement.h"

// Not a tool tip, which Qt never reports as shown; a window that the desktop
// neither manages nor activates.
Announcement::Announcement()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint) {
    setObjectName(QStringLiteral("announcement"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Off the screen: it is for screen readers only.
    setGeometry(-100, -100, 1, 1);
}

void Announcement::say(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}
