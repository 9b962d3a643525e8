#pragma once

#include <QString>
#include <string>

// The window system keeps texts as UTF-8 byte strings.
inline QString toQt(const std::string& text) { return QString::fromStdString(text); }
inline std::string fromQt(const QString& text) { return text.toStdString(); }
