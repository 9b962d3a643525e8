#include "display/qt/dialog_input.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <utility>

#include "display/qt/dialog_view.h"
#include "display/qt/qt_display.h"
#include "display/qt/system_menu_popup.h"
#include "display/qt/text_field.h"
#include "display/qt/window_text.h"
#include "windowing/dialog_window.h"
#include "windowing/win_api.h"

namespace {

WindowSystem& windows() { return WindowSystem::instance(); }

}  // namespace

DialogInput::DialogInput(DialogView& view) : m_view(view) {}

void DialogInput::watch(HWND control, ControlRole role, QWidget* widget) {
    widget->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) area->viewport()->installEventFilter(this);
    switch (role) {
    case ControlRole::PushButton:
        connect(static_cast<QPushButton*>(widget), &QAbstractButton::clicked, this, [this, control] { clicked(control); });
        break;
    case ControlRole::InputEdit:
        // textEdited, not textChanged: only the user's own changes (typing,
        // pasting, deleting, undo), never the program's.
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this, [this, control](const QString& text) { typed(control, text); });
        break;
    case ControlRole::TextArea: {
        auto* field = static_cast<TextField*>(widget);
        connect(field, &QPlainTextEdit::textChanged, this, [this, control, field] { typed(control, field->windowText()); });
        break;
    }
    default:
        break;
    }
}

bool DialogInput::isEdit(HWND target) const {
    if (target == m_view.dialog()) return false;
    switch (m_view.roleOf(target)) {
    case ControlRole::InputEdit:
    case ControlRole::CaptionEdit:
    case ControlRole::TextArea:
    case ControlRole::ResultsField:
        return true;
    default:
        return false;
    }
}

bool DialogInput::eventFilter(QObject* watched, QEvent* event) {
    if (m_view.mirroring()) return false;
    const HWND target = m_view.handleOf(watched);
    if (!target) return false;
    const bool isList = target != m_view.dialog() && m_view.roleOf(target) == ControlRole::ListBox;
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(target, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        return !isEdit(target);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return mousePressed(target, watched, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        // A hosted control does with a click what its class does.
        if (target != m_view.dialog() && m_view.roleOf(target) == ControlRole::Hosted) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) clicked(target);
            return true;
        }
        return isList && watched != m_view.widgetFor(target);
    case QEvent::MouseMove:
        // A list never changes its selection by itself, not even by dragging.
        return isList && watched != m_view.widgetFor(target);
    case QEvent::ContextMenu:
        // Edits offer their own menu; the background offers the system menu.
        return isList || (target != m_view.dialog() && m_view.roleOf(target) == ControlRole::PushButton);
    case QEvent::FocusIn:
        // Qt moved the focus by itself (a window coming back, a widget going):
        // the window system's focus is put back.
        QMetaObject::invokeMethod(this, [this] { m_view.mirrorFocus(); }, Qt::QueuedConnection);
        return false;
    default:
        return false;
    }
}

bool DialogInput::keyPressed(HWND target, QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool plain = modifiers == Qt::NoModifier;
    // The window's background takes keys the way a group box does: none.
    const ControlRole role = target == m_view.dialog() ? ControlRole::GroupBox : m_view.roleOf(target);

    if (key == Qt::Key_Space && modifiers == Qt::AltModifier) {
        popupSystemMenu(m_view.surface()->mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
        press(key == Qt::Key_Backtab || modifiers == Qt::ShiftModifier ? Key::ShiftTab : Key::Tab);
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plain) {
        const Window* window = windows().find(target);
        // A multi-line edit that wants Return takes it as a line break.
        if (role == ControlRole::TextArea && window && window->hasStyle(ES_WANTRETURN)) return false;
        press(Key::Return);
        return true;
    }
    if (key == Qt::Key_Escape && plain) {
        press(Key::Escape);
        return true;
    }
    if (key == Qt::Key_Space && plain && (role == ControlRole::PushButton || role == ControlRole::Hosted)) {
        if (!event->isAutoRepeat()) press(Key::Space);
        return true;
    }
    if (role == ControlRole::ListBox && plain) {
        switch (key) {
        case Qt::Key_Up: press(Key::Up); return true;
        case Qt::Key_Down: press(Key::Down); return true;
        case Qt::Key_Home: press(Key::Home); return true;
        case Qt::Key_End: press(Key::End); return true;
        default: break;
        }
    }
    // Only edits act on other keys (moving the caret, typing, copying);
    // everywhere else Qt would move a selection or the focus by itself.
    return !isEdit(target);
}

bool DialogInput::mousePressed(HWND target, QObject* watched, QMouseEvent* event) {
    if (target == m_view.dialog()) return false;
    const ControlRole role = m_view.roleOf(target);
    if (role == ControlRole::ListBox) {
        auto* list = static_cast<QListWidget*>(m_view.widgetFor(target));
        if (watched != list->viewport()) return true;
        if (event->button() != Qt::LeftButton) return true;
        // A click reports its item even when it is selected already.
        const int row = list->indexAt(event->position().toPoint()).row();
        afterEarlierKeys([this, target, row] {
            const bool taken = row >= 0 ? windows().userSelects(target, row) : windows().userFocuses(target);
            if (!taken) m_view.remirror(target);
        });
        return true;
    }
    if (!isEdit(target) || windows().focus() == target) return false;
    if (keysOnTheirWay()) {
        // The keys typed before the click still go where the focus was.
        afterEarlierKeys([this, target] {
            if (windows().focus() != target && !windows().userFocuses(target)) m_view.remirror(target);
        });
        return false;
    }
    if (!windows().userFocuses(target)) {
        m_view.remirror(target);
        return true;
    }
    return false;
}

void DialogInput::press(Key key) {
    if (!windows().userPressesKey(m_view.dialog(), key)) m_view.mirrorFocus();
}

void DialogInput::typed(HWND edit, const QString& text) {
    if (m_view.mirroring()) return;
    windows().userTypes(edit, fromQt(text));
    // Refused input is undone; a text that the program rewrote shows as it is now.
    m_view.remirror(edit);
}

void DialogInput::clicked(HWND button) {
    if (m_view.mirroring()) return;
    afterEarlierKeys([this, button] {
        if (!windows().userClicks(button)) m_view.remirror(button);
    });
}

void DialogInput::afterEarlierKeys(std::function<void()> action) {
    m_view.display().heldKeys().afterKeysReadSoFar([input = QPointer<DialogInput>(this), action = std::move(action)] {
        if (input) action();
    });
}

bool DialogInput::keysOnTheirWay() const { return m_view.display().heldKeys().onTheirWay() > 0; }

void DialogInput::closeRequested() {
    if (m_view.mirroring()) return;
    afterEarlierKeys([this] { windows().userClosesWindow(m_view.dialog()); });
}

void DialogInput::reportState(UINT command, bool minimized, bool maximized) {
    if (windows().userChoosesSystemCommand(m_view.dialog(), command)) return;
    // A window without that command in its menu, or one that is not the active
    // dialog, was still minimised or restored by the desktop.
    windows().desktopChangedPlacement(m_view.dialog(), minimized, maximized);
}

void DialogInput::windowStateChanged() {
    DialogWindow* dialog = m_view.window();
    if (m_view.mirroring() || !dialog) return;
    const Qt::WindowStates state = m_view.surface()->windowState();
    const bool minimized = state.testFlag(Qt::WindowMinimized);
    const bool maximized = state.testFlag(Qt::WindowMaximized);
    if (minimized != dialog->iconic()) reportState(minimized ? SC_MINIMIZE : SC_RESTORE, minimized, maximized);
    dialog = m_view.window();
    if (dialog && !minimized && maximized != dialog->maximized()) reportState(maximized ? SC_MAXIMIZE : SC_RESTORE, false, maximized);
    dialog = m_view.window();
    if (!dialog) return;
    // A minimised window is an icon on the desktop: its client area is the
    // icon's cell, in which the program paints.
    if (dialog->iconic()) {
        windows().userResizesClientArea(m_view.dialog(), GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    } else {
        windows().userResizesClientArea(m_view.dialog(), m_view.surface()->width(), m_view.surface()->height());
    }
    windows().paint(m_view.dialog());
    // The program has the last word on the window's state.
    m_view.changed(m_view.dialog(), Change::Placement);
}

void DialogInput::clientResized(QSize size) {
    const DialogWindow* dialog = m_view.window();
    if (m_view.mirroring() || !dialog || dialog->iconic()) return;
    if (dialog->clientSize() != POINT{size.width(), size.height()}) {
        windows().userResizesClientArea(m_view.dialog(), size.width(), size.height());
    }
}

void DialogInput::surfacePainted() {
    if (m_painting) return;
    // The program paints its window too (its OnPaint), as on the platform.
    m_painting = true;
    windows().paint(m_view.dialog());
    m_painting = false;
    m_view.display().surfacePainted();
}

void DialogInput::contextMenuRequested(QPoint globalPosition) {
    if (!m_view.mirroring()) popupSystemMenu(globalPosition);
}

void DialogInput::activated() { m_view.mirrorFocus(); }

void DialogInput::popupSystemMenu(QPoint globalPosition) {
    QMenu* menu = m_view.systemMenu();
    const DialogWindow* dialog = m_view.window();
    if (!menu || !dialog || menu->isEmpty() || windows().activeDialog() != m_view.dialog()) return;
    SystemMenuPopup::updateEnabled(*menu, *dialog);
    const QAction* chosen = menu->exec(globalPosition);
    if (chosen) windows().userChoosesSystemCommand(m_view.dialog(), SystemMenuPopup::commandOf(chosen));
}
