#pragma once

#include <QWidget>

// Says a text to a screen reader without moving the keyboard focus: a
// notification off the screen that shows each time it has something to say.
// Screen readers speak a notification as it appears, wherever the focus is.
// A window of its own, not part of a dialog: a screen reader would name the
// dialog and its loose labels before it, as if the focus had come to them.
class Announcement : public QWidget {
public:
    Announcement();

    void say(const QString& text);
};
