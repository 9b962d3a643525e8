// Where a screen reader or a magnifier is told each control is. Qt's bridge
// hands on every control's rectangle as the control reports it, in Qt's
// device-independent pixels, whatever the scale; the display's own controls
// must report theirs in the same units as Qt's, or finding the control under
// a point and following the caret would go wrong. A second run of this test
// at twice the scale (tests/display/CMakeLists.txt) checks it there too.

#include "display_test.h"

#include <QAccessible>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include "res/resource.h"
#include "screen_user.h"

namespace {

QRect onScreen(const QWidget* widget) { return {widget->mapToGlobal(QPoint(0, 0)), widget->size()}; }

// Every control of `window` and the window itself report where they show,
// and each character of a one-line edit lies in its edit.
void expectExtentsWhereTheyShow(ScreenWindow& window) {
    QWidget* surface = window.surface();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(surface)->rect(), onScreen(surface));
    for (QWidget* control : surface->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^control")))) {
        if (!control->isVisible()) continue;
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr) << control->objectName().toStdString();
        EXPECT_EQ(accessible->rect(), onScreen(control)) << control->objectName().toStdString();
        if (!qobject_cast<QLineEdit*>(control)) continue;
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(control)->textInterface();
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            EXPECT_TRUE(onScreen(control).contains(text->characterRect(offset))) << control->objectName().toStdString();
        }
    }
}

class AccessibleExtents : public DisplayTest {
protected:
    AccessibleExtents() { setListening(true); }
    ~AccessibleExtents() override { setListening(false); }

private:
    static void setListening(bool listening) {
        if (QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility()) {
            accessibility->setActive(listening);
        }
    }
};

TEST_F(AccessibleExtents, EveryControlIsReportedWhereItShowsInQtsOwnUnits) {
    // The run at twice the scale is the one that tells the units apart.
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    if (!scale.isEmpty()) {
        EXPECT_EQ(qApp->devicePixelRatio(), scale.toDouble());
    }
    ScreenUser user(display());
    user.at(kMainCaption, [](ScreenWindow& main) {
        expectExtentsWhereTheyShow(main);
        main.clickItem(IDC_MOTION_LIST, 1);
    });
    user.at("Translation", [](ScreenWindow& translation) {
        translation.clickItem(IDC_TRA_ANALYSIS, 0);
        translation.typeInto(IDC_TRA_INPUT1, QStringLiteral("10"));
        translation.typeInto(IDC_TRA_INPUT2, QStringLiteral("1000"));
        translation.key(Qt::Key_Return);
        expectExtentsWhereTheyShow(translation);
        translation.key(Qt::Key_Escape);
    });
    user.at(kMainCaption, [](ScreenWindow& main) { main.key(Qt::Key_Escape); });
    user.play([] { EXPECT_EQ(runProgram(), 0); });
}

}  // namespace
