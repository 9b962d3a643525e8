#pragma once

#include <QWidget>

// What the desktop does to a dialog's window, passed on to whoever reports
// it to the window system.
class SurfaceListener {
public:
    virtual ~SurfaceListener() = default;
    virtual void closeRequested() = 0;
    virtual void windowStateChanged() = 0;
    virtual void clientResized(QSize size) = 0;
    virtual void surfacePainted() = 0;
    virtual void contextMenuRequested(QPoint globalPosition) = 0;
    virtual void activated() = 0;
};

// The top-level window of one dialog. A plain widget, not a QDialog: Qt's
// own accept, reject and default-button rules must never act, the window
// system decides everything.
class DialogSurface : public QWidget {
public:
    DialogSurface(QWidget* owner, Qt::WindowFlags flags, SurfaceListener& listener);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    SurfaceListener& m_listener;
};
