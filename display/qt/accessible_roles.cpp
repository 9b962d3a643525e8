#include "display/qt/accessible_roles.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "display/qt/announcement.h"
#include "display/qt/dialog_surface.h"
#include "display/qt/line_edit_accessible.h"
#include "display/qt/link_widget.h"

namespace {

// A dialog's window is a plain widget, so that Qt's own dialog rules never
// act; by default a screen reader would see it as an unnamed pane.
class DialogSurfaceAccessible : public QAccessibleWidget {
public:
    explicit DialogSurfaceAccessible(QWidget* surface) : QAccessibleWidget(surface, QAccessible::Dialog) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return widget()->windowTitle();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (auto* surface = dynamic_cast<DialogSurface*>(object)) return new DialogSurfaceAccessible(surface);
    if (auto* link = dynamic_cast<LinkWidget*>(object)) return new QAccessibleWidget(link, QAccessible::Link);
    if (auto* edit = qobject_cast<QLineEdit*>(object)) return new LineEditAccessible(edit);
    if (auto* announcement = dynamic_cast<Announcement*>(object)) return new QAccessibleWidget(announcement, QAccessible::Notification);
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    static const bool installed = (QAccessible::installFactory(&accessibleFor), true);
    (void)installed;
}
