#include "display/qt/dialog_view.h"

#include <QApplication>
#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

#include "display/qt/accessible_naming.h"
#include "display/qt/control_widgets.h"
#include "display/qt/dialog_input.h"
#include "display/qt/list_box_widget.h"
#include "display/qt/pixel_pictures.h"
#include "display/qt/qt_display.h"
#include "display/qt/results_announcer.h"
#include "display/qt/system_menu_popup.h"
#include "display/qt/window_text.h"
#include "windowing/dialog_window.h"
#include "windowing/list_box_control.h"
#include "windowing/win_api.h"
#include "windowing/window_system.h"

namespace {

WindowSystem& windows() { return WindowSystem::instance(); }

// Qt hides "[*]" in window titles; "[**]" shows it.
QString windowTitleOf(const std::string& caption) {
    QString title = toQt(caption);
    title.replace(QStringLiteral("[*]"), QStringLiteral("[**]"));
    return title;
}

}  // namespace

DialogView::DialogView(HWND dialog, QWidget* ownerSurface, QtDisplay& display)
    : m_dialog(dialog), m_display(display), m_input(std::make_unique<DialogInput>(*this)) {
    Mirroring mirroring(*this);
    createSurface(ownerSurface);
    m_naming = std::make_unique<AccessibleNaming>(m_dialog, m_surface, m_controls);
    m_announcer = std::make_unique<ResultsAnnouncer>(m_surface, m_controls);
    mirrorText(m_dialog);
    // Before the controls, which would each hear of a new icon.
    mirrorIcon();
    mirrorMenu();
    addNewControls();
    m_naming->nameAll();
    updateDefaultButtons();
    if (window()->visible()) showSurface();
}

DialogView::~DialogView() {
    Mirroring mirroring(*this);
    m_announcer.reset();
    delete m_surface.data();
}

DialogWindow* DialogView::window() const { return windows().findDialog(m_dialog); }

const ShownControl* DialogView::controlFor(HWND handle) const {
    for (const ShownControl& control : m_controls) {
        if (control.handle == handle) return &control;
    }
    return nullptr;
}

QWidget* DialogView::widgetFor(HWND window) const {
    if (window == m_dialog) return m_surface;
    const ShownControl* control = controlFor(window);
    return control ? control->widget : nullptr;
}

HWND DialogView::handleOf(const QObject* object) const {
    if (!object) return nullptr;
    if (object == m_surface) return m_dialog;
    for (const ShownControl& control : m_controls) {
        if (control.widget == object) return control.handle;
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(control.widget); area && area->viewport() == object) {
            return control.handle;
        }
    }
    return nullptr;
}

ControlRole DialogView::roleOf(HWND control) const {
    const ShownControl* found = controlFor(control);
    return found ? found->role : ControlRole::Label;
}

void DialogView::createSurface(QWidget* ownerSurface) {
    const DialogWindow& dialog = *window();
    Qt::WindowFlags flags = (ownerSurface ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialog.style() & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialog.style() & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (dialog.style() & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
    // Not a child widget of the owner's window, which would pass its disabled
    // state on: the owner is the window's transient parent instead.
    m_surface = new DialogSurface(nullptr, flags, *m_input);
    m_surface->setObjectName(QStringLiteral("dialog"));
    // A modal frame: the client area keeps the size of the template.
    m_surface->setFixedSize(dialog.clientSize().x, dialog.clientSize().y);
    m_placedAt = QPoint(dialog.rect().left, dialog.rect().top);
    m_surface->move(m_placedAt);
    // The window system disables the owner as well; this tells the desktop,
    // and keeps Qt's input from the owner.
    m_ownerSurface = ownerSurface;
    if (ownerSurface) {
        m_surface->setWindowModality(Qt::WindowModal);
    } else if (windows().activeDialog()) {
        m_surface->setWindowModality(Qt::ApplicationModal);
    }
    m_surface->installEventFilter(m_input.get());
}

bool DialogView::addNewControls() {
    const DialogWindow* dialog = window();
    if (!dialog) return false;
    bool added = false;
    for (HWND child : dialog->children()) {
        const Window* control = windows().find(child);
        if (!control || controlFor(child)) continue;
        const ControlRole role = ::roleOf(control->kind(), control->style());
        QWidget* widget = ControlWidgets::create(*control, role, m_surface, m_display.fixedFont());
        widget->setEnabled(control->enabled());
        // A control shows with its window; showing it on its own costs.
        if (!control->visible() || m_surface->isVisible()) widget->setVisible(control->visible());
        m_controls.push_back({child, role, widget});
        m_input->watch(child, role, widget);
        if (role == ControlRole::ListBox) mirrorItems(child);
        added = true;
    }
    if (!added) return false;
    // Group boxes lie behind the controls that they frame, which take the clicks.
    for (const ShownControl& control : m_controls) {
        if (control.role == ControlRole::GroupBox) control.widget->lower();
    }
    return true;
}

void DialogView::changed(HWND window, Change change) {
    Mirroring mirroring(*this);
    switch (change) {
    case Change::Text:
        mirrorText(window);
        m_naming->textChanged(window);
        break;
    case Change::Visibility: mirrorVisibility(window); break;
    case Change::Enabled: mirrorEnabled(window); break;
    case Change::Items:
        if (window == m_dialog && addNewControls()) m_naming->nameAll();
        else mirrorItems(window);
        break;
    case Change::Selection: mirrorSelection(window); break;
    case Change::Focus: mirrorFocus(); break;
    case Change::Icon: mirrorIcon(); break;
    case Change::Menu: mirrorMenu(); break;
    case Change::Placement: mirrorPlacement(); break;
    case Change::Painted: showPaint(); break;
    }
    m_announcer->changed(window, change);
}

void DialogView::remirror(HWND window) {
    Mirroring mirroring(*this);
    mirrorText(window);
    mirrorEnabled(window);
    mirrorVisibility(window);
    if (roleOf(window) == ControlRole::ListBox && window != m_dialog) mirrorSelection(window);
    mirrorFocus();
}

void DialogView::mirrorText(HWND handle) {
    const Window* window = windows().find(handle);
    if (!window || !m_surface) return;
    if (handle == m_dialog) {
        m_surface->setWindowTitle(windowTitleOf(window->text()));
        return;
    }
    if (const ShownControl* control = controlFor(handle)) ControlWidgets::showText(control->widget, *window, control->role);
}

void DialogView::mirrorVisibility(HWND handle) {
    const Window* window = windows().find(handle);
    if (!window || !m_surface) return;
    if (handle == m_dialog) {
        if (window->visible()) showSurface();
        else m_surface->hide();
        return;
    }
    if (QWidget* widget = widgetFor(handle)) widget->setVisible(window->visible());
}

void DialogView::mirrorEnabled(HWND handle) {
    const Window* window = windows().find(handle);
    QWidget* widget = widgetFor(handle);
    // A disabled dialog looks as it did, as on the platform: the window
    // system refuses its input, and a modal window keeps Qt's input from its
    // owner. Greying it out would repaint the whole window as another opens.
    if (!window || !widget || handle == m_dialog) return;
    widget->setEnabled(window->enabled());
    // Disabling takes Qt's focus away; it comes back from the window system.
    if (window->enabled()) mirrorFocus();
}

void DialogView::mirrorItems(HWND list) {
    const Window* window = windows().find(list);
    auto* widget = qobject_cast<QListWidget*>(widgetFor(list));
    if (!window || !widget || window->kind() != ControlKind::ListBox) return;
    const auto& items = static_cast<const ListBoxControl*>(window)->items();
    // A list is filled one item at a time, each a change of its own: the
    // items shown already stay when they begin the new ones.
    int kept = 0;
    while (kept < widget->count() && kept < static_cast<int>(items.size()) && widget->item(kept)->text() == toQt(items[kept])) ++kept;
    if (kept < widget->count() || kept < static_cast<int>(items.size())) {
        const QSignalBlocker blocker(widget);
        if (kept < widget->count()) {
            widget->clear();
            kept = 0;
        }
        // The lists are narrow and a long unit name is elided: the whole
        // name shows when the pointer rests on it.
        const QFontMetrics metrics(widget->font());
        const int room = widget->contentsRect().width() - 2 * widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
        for (auto item = items.begin() + kept; item != items.end(); ++item) {
            auto* shown = new QListWidgetItem(toQt(*item), widget);
            if (metrics.horizontalAdvance(shown->text()) > room) shown->setToolTip(shown->text());
        }
    }
    mirrorSelection(list);
}

void DialogView::mirrorSelection(HWND list) {
    const Window* window = windows().find(list);
    auto* widget = dynamic_cast<ListBoxWidget*>(widgetFor(list));
    if (!window || !widget || window->kind() != ControlKind::ListBox) return;
    widget->showSelection(static_cast<const ListBoxControl*>(window)->currentSelection());
}

void DialogView::mirrorFocus() {
    if (!m_surface) return;
    Mirroring mirroring(*this);
    const HWND focus = windows().focus();
    if (focus && windows().topLevelOf(focus) == m_dialog) {
        if (QWidget* target = widgetFor(focus); target && target->isEnabled()) target->setFocus(Qt::OtherFocusReason);
        const DialogWindow* dialog = window();
        if (windows().activeDialog() == m_dialog && m_surface->isVisible() && !m_surface->isActiveWindow() && dialog &&
            !dialog->iconic()) {
            m_surface->activateWindow();
        }
    }
    updateDefaultButtons();
}

void DialogView::updateDefaultButtons() {
    const HWND defaultButton = windows().dialogManager().defaultLookingButton(m_dialog);
    for (const ShownControl& control : m_controls) {
        if (control.role == ControlRole::PushButton) static_cast<QPushButton*>(control.widget)->setDefault(control.handle == defaultButton);
    }
}

void DialogView::mirrorIcon() {
    const DialogWindow* dialog = window();
    if (!dialog || !m_surface) return;
    m_icon = PixelPictures::icon(dialog->icon(true), dialog->icon(false));
    if (!dialog->iconic()) showIcon(m_icon);
    // The program's icon is also the icon of its other windows.
    if (QGuiApplication::windowIcon().isNull() && !m_icon.isNull()) QGuiApplication::setWindowIcon(m_icon);
}

void DialogView::mirrorMenu() { m_menuStale = true; }

QMenu* DialogView::systemMenu() {
    // Made when first offered: most windows never offer it.
    if (!m_systemMenu && m_surface) m_systemMenu = new QMenu(m_surface);
    if (const DialogWindow* dialog = window(); m_menuStale && dialog && m_systemMenu) {
        SystemMenuPopup::fill(*m_systemMenu, *dialog);
        m_menuStale = false;
    }
    return m_systemMenu;
}

void DialogView::mirrorPlacement() {
    const DialogWindow* dialog = window();
    if (!dialog || !m_surface) return;
    Mirroring mirroring(*this);
    Qt::WindowStates wanted = m_surface->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (dialog->iconic()) wanted |= Qt::WindowMinimized;
    if (dialog->maximized()) wanted |= Qt::WindowMaximized;
    if (wanted != m_surface->windowState()) m_surface->setWindowState(wanted);
    const QPoint at(dialog->rect().left, dialog->rect().top);
    if (at != m_placedAt) {
        m_placedAt = at;
        m_surface->move(at);
    }
    // While minimised the window shows what the program painted (showPaint).
    if (!dialog->iconic()) showIcon(m_icon);
}

void DialogView::showIcon(const QIcon& icon) {
    // Each new icon goes to every widget of the window, and to the desktop.
    if (icon.cacheKey() == m_shownIcon) return;
    m_shownIcon = icon.cacheKey();
    m_surface->setWindowIcon(icon);
}

void DialogView::showPaint() {
    const DialogWindow* dialog = window();
    if (!dialog || !m_surface || !dialog->iconic() || !dialog->lastPaint()) return;
    const POINT client = dialog->clientSize();
    if (client.x <= 0 || client.y <= 0) return;
    QImage picture(client.x, client.y, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        for (const DeviceContext::DrawnIcon& drawn : dialog->lastPaint()->icons()) {
            const PixelImage* image = drawn.icon ? drawn.icon->imageFor(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)) : nullptr;
            if (image) painter.drawImage(QPoint(drawn.origin.x, drawn.origin.y), PixelPictures::image(*image));
        }
    }
    m_minimizedPicture = picture;
    showIcon(QIcon(QPixmap::fromImage(picture)));
}

void DialogView::showSurface() {
    Mirroring mirroring(*this);
    mirrorPlacement();
    if (m_ownerSurface && !m_surface->windowHandle()) {
        // The platform window, to take the transient parent; made only now,
        // with every control in its state, as showing would make it.
        m_surface->winId();
        m_surface->windowHandle()->setTransientParent(m_ownerSurface->windowHandle());
    }
    m_surface->show();
    m_surface->activateWindow();
    mirrorFocus();
}
