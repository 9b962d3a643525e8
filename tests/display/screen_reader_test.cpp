// What a screen reader reads that Qt alone would read wrong or not at all:
// a caption whole, and the results said as Calculate writes them. (Qt tells
// screen readers nothing on the offscreen platform; scripts/orca_check.sh
// hears the rest through Orca itself.)

#include "display_test.h"

#include <QAccessible>
#include <QWidget>
#include <utility>

#include "res/resource.h"
#include "screen_user.h"

namespace {

// The announcement that shows, of the one each window has.
QWidget* shownAnnouncement() {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == QStringLiteral("announcement") && widget->isVisible()) return widget;
    }
    return nullptr;
}

class ScreenReaderOnScreen : public DisplayTest {};

TEST_F(ScreenReaderOnScreen, ReadsACaptionWholeAndSaysTheResultsWithTheFocusKept) {
    ScreenUser user(display());
    user.at("SDOF System Natural Frequency,  version 2.1", [](ScreenWindow& main) { main.clickItem(IDC_MOTION_LIST, 1); });
    user.at("Translation", [](ScreenWindow& translation) {
        translation.clickItem(IDC_TRA_ANALYSIS, 0);
        // One run of attributes over the whole text, whatever offset is asked about.
        QAccessibleTextInterface* caption =
            QAccessible::queryAccessibleInterface(translation.widget(IDC_TRA_INPUT2_LABEL))->textInterface();
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(0, caption->characterCount()), QStringLiteral("Stiffness"));
        int start = -1;
        int end = -1;
        caption->attributes(8, &start, &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, 9));

        translation.typeInto(IDC_TRA_INPUT1, QStringLiteral("10"));
        translation.typeInto(IDC_TRA_INPUT2, QStringLiteral("1000"));
        translation.key(Qt::Key_Return);
        processEventsUntil([] { return shownAnnouncement() != nullptr; });
        QWidget* said = shownAnnouncement();
        ASSERT_NE(said, nullptr);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(said)->role(), QAccessible::Notification);
        EXPECT_EQ(said->accessibleName(), QStringLiteral("Natural Frequency: 10 rad/sec, 1.592 Hz. Static Deflection at 1 G: 98.1 mm, 3.86 in"));
        EXPECT_EQ(translation.focusedId(), IDC_TRA_INPUT2);
        translation.key(Qt::Key_Escape);
    });
    user.at("SDOF System Natural Frequency,  version 2.1", [](ScreenWindow& main) { main.key(Qt::Key_Escape); });
    user.play([] { EXPECT_EQ(runProgram(), 0); });
}

}  // namespace
