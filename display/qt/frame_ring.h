#pragma once

#include <QFrame>
#include <functional>

class QPainter;

// At a fractional scale, the edges of a control fall inside device pixels.
// A style strokes a frame with a pen, which lands in one pixel or the next,
// while the children of a scroll area (its viewport and scroll bars), placed
// just inside the frame, cover whole pixels up to their rounded edges: on the
// right and at the bottom they could cover the frame's line. So at such a
// scale a scroll area paints its frame again, after the style, as filled
// rings of whole logical pixels, which round as the children's edges do and
// so take exactly the pixels that the children leave: each ring in the colour
// that `drawFrame`, the style's own frame drawn at whole pixels, gives it on
// that side. At whole scales it paints nothing.
void paintFrameRing(QFrame& frame, const std::function<void(QPainter&)>& drawFrame);
