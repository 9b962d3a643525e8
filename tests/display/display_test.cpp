#include "display_test.h"

#include "app/resonix_app.h"
#include "framework/afx_globals.h"
#include "res/resources.h"
#include "windowing/hosted_control.h"
#include "windowing/window_system.h"

DisplayTest::DisplayTest() {
    WindowSystem::instance().reset();
    HostedControlRegistry::instance().reset();
    m_display = std::make_unique<QtDisplay>();
    WindowSystem::instance().setDisplay(m_display.get());
}

DisplayTest::~DisplayTest() {
    m_display.reset();
    WindowSystem::instance().reset();
}

void DisplayTest::TearDown() {
    EXPECT_EQ(WindowSystem::instance().windowCount(), 0U) << "windows left in the window system";
    EXPECT_EQ(m_display->dialogCount(), 0U) << "dialogs left on the display";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << QApplication::topLevelWidgets().size() << " top-level widget(s) left";
}

int DisplayTest::runProgram() {
    // The application object is the program's own global.
    EXPECT_EQ(AfxGetApp(), &theApp);
    return AfxWinMain(resonixResources(), nullptr, nullptr, SW_SHOWDEFAULT);
}
