#include "display/qt/dialog_surface.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QResizeEvent>

DialogSurface::DialogSurface(QWidget* owner, Qt::WindowFlags flags, SurfaceListener& listener)
    : QWidget(owner, flags), m_listener(listener) {
    setAttribute(Qt::WA_QuitOnClose, false);
}

void DialogSurface::closeEvent(QCloseEvent* event) {
    // The close box is a request: the program decides whether the window goes.
    event->ignore();
    m_listener.closeRequested();
}

void DialogSurface::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) m_listener.windowStateChanged();
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) m_listener.activated();
}

void DialogSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_listener.clientResized(event->size());
}

void DialogSurface::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    m_listener.surfacePainted();
}

void DialogSurface::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    m_listener.contextMenuRequested(event->globalPos());
}
