// What the display tells a screen reader, recorded as Qt hands it over: Qt
// tells screen readers nothing on the offscreen platform, so the test takes
// their place. (scripts/orca_check.sh hears the same through Orca itself.)

#include "display_test.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "screen_user.h"

namespace {

using Heard = std::vector<std::string>;

// "focus <name>" as the focus comes to a control, "item <name>" as it comes
// to an item of a list, "said <text>" as an announcement shows.
Heard heard;

void record(QAccessibleEvent* event) {
    const QAccessibleInterface* target = event->accessibleInterface();
    if (!target) return;
    const std::string name = target->text(QAccessible::Name).toStdString();
    if (event->type() == QAccessible::Focus) heard.push_back((event->child() >= 0 ? "item " : "focus ") + name);
    if (event->type() == QAccessible::ObjectShow && target->role() == QAccessible::Notification) heard.push_back("said " + name);
}

// Whether Qt tells a screen reader, as it does while one listens.
void setListening(bool listening) {
    if (QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        accessibility->setActive(listening);
    }
}

class ScreenReaderOnScreen : public DisplayTest {
protected:
    ScreenReaderOnScreen() : m_previous(QAccessible::installUpdateHandler(&record)) { setListening(true); }
    ~ScreenReaderOnScreen() override {
        setListening(false);
        QAccessible::installUpdateHandler(m_previous);
    }

    // What a screen reader is told of `action`, once the program has done
    // with it.
    static Heard after(const std::function<void()>& action) {
        heard.clear();
        action();
        processEventsUntil([] { return false; }, 20);
        return heard;
    }

private:
    QAccessible::UpdateHandler m_previous;
};

// Qt's bridge to a screen reader, as it treats keys while one listens: each
// key the desktop delivers is held while the reader is asked about it and
// sent on later, while clicks go straight through. The platform has read
// each key before the bridge sees it.
class HoldingBridge : public QObject {
public:
    HoldingBridge() { QCoreApplication::instance()->installEventFilter(this); }
    ~HoldingBridge() override { QCoreApplication::instance()->removeEventFilter(this); }

    // The reader's answers come: every held key is sent on at once, as the
    // bridge does when the reader is slow to answer.
    void release() {
        for (auto& [target, key] : m_held) {
            if (target) QCoreApplication::postEvent(target, key.release());
        }
        m_held.clear();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!event->spontaneous() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) return false;
        unsigned char xcbKeyEvent = event->type() == QEvent::KeyPress ? 2 : 3;
        QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &xcbKeyEvent, nullptr);
        m_held.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> m_held;
};

constexpr const char* kNaturalFrequency = "said Natural Frequency: 10 rad/sec, 1.592 Hz. Static Deflection at 1 G: 98.1 mm, 3.86 in";

TEST_F(ScreenReaderOnScreen, ListsTellTheirItemUnderTheFocusAndEachCalculateIsSaid) {
    ASSERT_TRUE(QAccessible::isActive());
    ScreenUser user(display());
    user.at(kMainCaption, [](ScreenWindow& main) { main.clickItem(IDC_MOTION_LIST, 1); });
    user.at("Translation", [](ScreenWindow& translation) {
        const auto key = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            return after([&] { translation.key(key, modifiers); });
        };
        // A list with nothing selected is reported alone.
        EXPECT_EQ(key(Qt::Key_Tab), Heard{"focus Select Analysis"});
        // Choosing fills and selects in the unit lists, which have no focus.
        EXPECT_EQ(key(Qt::Key_Down), Heard{"item natural frequency"});
        EXPECT_EQ(key(Qt::Key_Down), Heard{"item stiffness"});
        EXPECT_EQ(key(Qt::Key_Up), Heard{"item natural frequency"});
        // The same choice again sets the window up again; the selection stays.
        EXPECT_EQ(key(Qt::Key_Home), Heard{});

        // A caption is one run of text, whatever offset is asked about.
        QAccessibleTextInterface* caption =
            QAccessible::queryAccessibleInterface(translation.widget(IDC_TRA_INPUT2_LABEL))->textInterface();
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(0, caption->characterCount()), QStringLiteral("Stiffness"));
        int start = -1;
        int end = -1;
        caption->attributes(8, &start, &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, 9));

        // Tab into a unit list tells its selected unit.
        translation.typeInto(IDC_TRA_INPUT1, QStringLiteral("10"));
        translation.typeInto(IDC_TRA_INPUT2, QStringLiteral("1000"));
        EXPECT_EQ(key(Qt::Key_Tab), (Heard{"focus Input Data", "item kg"}));
        EXPECT_EQ(key(Qt::Key_Down), Heard{"item slugs"});
        EXPECT_EQ(key(Qt::Key_Up), Heard{"item kg"});
        // A click brings the focus and its item, which is told once.
        const auto click = [&](int list, int row) { return after([&] { translation.clickItem(list, row); }); };
        EXPECT_EQ(click(IDC_TRA_UNITS2, 1), (Heard{"focus Input Data", "item N/mm"}));
        EXPECT_EQ(click(IDC_TRA_UNITS2, 0), Heard{"item N/m"});
        EXPECT_EQ(click(IDC_TRA_UNITS2, 0), Heard{});

        // Calculate leaves the focus where it is; what it writes is said once,
        // and again for the same inputs.
        EXPECT_EQ(key(Qt::Key_Return), Heard{kNaturalFrequency});
        EXPECT_EQ(key(Qt::Key_Return), Heard{kNaturalFrequency});
        EXPECT_EQ(translation.focusedId(), IDC_TRA_UNITS2);
        translation.click(IDC_TRA_INPUT2);
        key(Qt::Key_End);
        translation.type(QStringLiteral("0"));
        EXPECT_EQ(key(Qt::Key_Return),
                  Heard{"said Natural Frequency: 31.62 rad/sec, 5.033 Hz. Static Deflection at 1 G: 9.81 mm, 0.386 in"});
        translation.click(IDC_TRA_INPUT1);
        key(Qt::Key_A, Qt::ControlModifier);
        translation.type(QStringLiteral("0"));
        EXPECT_EQ(key(Qt::Key_Return), Heard{"said Natural Frequency: mass input error"});
        EXPECT_EQ(translation.focusedId(), IDC_TRA_INPUT1);
        translation.key(Qt::Key_Escape);
    });
    user.at(kMainCaption, [](ScreenWindow& main) { main.key(Qt::Key_Escape); });
    user.play([] { EXPECT_EQ(runProgram(), 0); });
}

TEST_F(ScreenReaderOnScreen, KeysTheReaderHoldsBackGoWhereAndWhenTheyWereTyped) {
    HoldingBridge bridge;
    ScreenUser user(display());
    // Typed ahead: the keys that open Translation and choose an analysis,
    // sent on after Translation has opened.
    user.at(kMainCaption, [&](ScreenWindow& main) {
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_End, Qt::Key_Tab, Qt::Key_Down}) main.key(key);
        bridge.release();
    });
    user.at("Translation", [&](ScreenWindow& translation) {
        ASSERT_EQ(translation.widgetAs<QListWidget>(IDC_TRA_ANALYSIS)->currentRow(), 0);
        // A click into the second input and one on Calculate, each before
        // the keys typed ahead of it have come.
        translation.typeInto(IDC_TRA_INPUT1, QStringLiteral("10"));
        translation.typeInto(IDC_TRA_INPUT2, QStringLiteral("1000"));
        translation.click(IDOK);
        bridge.release();
        ASSERT_TRUE(processEventsUntil([&] { return translation.widget(IDC_TRA_RESULTS)->isVisible(); }));
        EXPECT_EQ(translation.widgetAs<QLineEdit>(IDC_TRA_INPUT1)->text(), QStringLiteral("            10"));
        EXPECT_EQ(translation.widgetAs<QLineEdit>(IDC_TRA_INPUT2)->text(), QStringLiteral("          1000"));
        translation.key(Qt::Key_Escape);
        bridge.release();
    });
    user.at(kMainCaption, [&](ScreenWindow& main) {
        main.key(Qt::Key_Escape);
        bridge.release();
    });
    user.play([] { EXPECT_EQ(runProgram(), 0); });
}

}  // namespace
