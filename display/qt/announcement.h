#pragma once

#include <QWidget>

// Says a text to a screen reader without moving the keyboard focus: a
// notification that nobody sees and that shows each time it has something to
// say. Screen readers speak a notification as it appears, wherever the focus
// is. Where the program places its own windows (X11) it is a window of its
// own, off the screen: inside the dialog a screen reader would name the
// dialog and its loose labels before it, as if the focus had come to them.
// Elsewhere (Wayland, where a window cannot be kept off the screen) it is an
// empty part of the dialog.
class Announcement : public QWidget {
public:
    explicit Announcement(QWidget* dialogSurface);

    void say(const QString& text);
};
