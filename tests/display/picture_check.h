#pragma once

#include <QImage>
#include <string>
#include <vector>

class ScreenWindow;

// What a person would see wrong in a picture of a window, at any scale: a
// control whose frame lacks a side, or a text cut at an edge of the area it
// is clipped to. `picture` is the window's client area, in device pixels.
// Each fault named with its control, as "<fault>: control <id> \"<text>\"".
std::vector<std::string> faultsInPicture(const ScreenWindow& window, const QImage& picture);
