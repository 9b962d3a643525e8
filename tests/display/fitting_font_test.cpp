// A one-line text that does not fit its room is set smaller, down to its
// share of the normal size, rather than cut; no smaller than it must be, and
// at its normal size when even the smallest size would not fit. Measured with
// Qt's own metrics, at rooms given as parts of the text's normal width.

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include "display/qt/fitting_font.h"
#include "portable/text_fitting.h"

namespace {

int widthOf(const QString& text, const QFont& font) { return QFontMetrics(font).horizontalAdvance(text); }

TEST(FittingFont, SetsATextSmallerOnlyAsFarAsItMustAndMay) {
    const QFont normal = QApplication::font();
    const QString text = QStringLiteral("Polar Moment of Inertia");
    const int full = widthOf(text, normal);
    struct Row {
        double share;
        double room;  // of the normal width
        bool smaller;
    };
    const Row rows[] = {
        {kSmallestOneLineShare, 1.0, false}, {kSmallestOneLineShare, 0.95, true}, {kSmallestOneLineShare, 0.9, true},
        {kSmallestOneLineShare, 0.7, false}, {kSmallestLinkShare, 0.8, true},     {kSmallestLinkShare, 0.55, false},
    };
    for (const Row& row : rows) {
        const int room = static_cast<int>(full * row.room);
        SCOPED_TRACE(testing::Message() << "share " << row.share << ", room " << room << " of " << full);
        const QFont fitted = fittingFont(normal, text, room, row.share);
        if (!row.smaller) {
            EXPECT_EQ(fitted, normal);
            continue;
        }
        EXPECT_LE(widthOf(text, fitted), room);
        EXPECT_GE(fitted.pointSizeF(), normal.pointSizeF() * row.share);
        // Half a point larger would not fit: no smaller than it must be.
        QFont larger = fitted;
        larger.setPointSizeF(fitted.pointSizeF() + 0.5);
        EXPECT_GT(widthOf(text, larger), room);
    }
}

}  // namespace
