#pragma once

#include <QFont>
#include <QString>

// Templates leave little room around their texts, and the desktop's font may
// run wider than the one a template was drawn for: a one-line text that does
// not fit is set a little smaller rather than cut off. The largest size, in
// quarter points down to `smallestShare` of `normal`'s, at which `text` fits
// in `room` pixels; `normal` itself when none does (the text is then cut, as
// the platform cuts it).
QFont fittingFont(const QFont& normal, const QString& text, int room, double smallestShare);
