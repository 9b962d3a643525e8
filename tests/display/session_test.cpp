// The Qt session as main() starts it, in a process of its own: for a user
// whose locale writes a decimal comma (LC_ALL=de_DE.UTF-8), numbers must
// still read and print with a point; and when Qt itself quits, every modal
// run ends.

#include <QApplication>

#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

#include "app/resonix_app.h"
#include "numbers/read_number.h"
#include "display/qt/qt_session.h"
#include "framework/afx_globals.h"
#include "framework/cstring.h"
#include "res/resources.h"
#include "windowing/window_system.h"

namespace {

int g_argc = 1;
char g_name[] = "session_test";
char* g_argv[] = {g_name, nullptr};

std::string printed(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

// The session lives for the rest of the process, as in the program.
QtSession& session() {
    static QtSession started(g_argc, g_argv);
    return started;
}

TEST(QtSessionNumbers, StayInTheCLocaleWhateverTheUsersLocale) {
    // The test means nothing unless the user's locale writes a comma.
    ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr) << "locale " << std::getenv("LC_ALL") << " is missing: run scripts/setup.sh";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "run this test with LC_ALL=de_DE.UTF-8";
    ASSERT_EQ(printed(1.5), "1,5");
    // The program's own reading and printing take no locale.
    CString text;
    text.Format("%g", 1.5);
    EXPECT_EQ(text, "1.5");
    EXPECT_EQ(numbers::readNumber("2.25"), 2.25);
    std::setlocale(LC_ALL, "C");

    session();
    EXPECT_EQ(printed(1.5), "1.5");
    EXPECT_EQ(std::atof("1.5"), 1.5);
    EXPECT_EQ(std::strtod("2.25", nullptr), 2.25);
    // The rest of the user's locale stays the user's.
    EXPECT_NE(std::string(std::setlocale(LC_CTYPE, nullptr)), "C");
}

TEST(QtSessionQuitting, AbandonsEveryModalRun) {
    session();
    // Qt quits while the main window waits: the program ends.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    EXPECT_EQ(AfxGetApp(), &theApp);
    AfxWinMain(resonixResources(), nullptr, nullptr, SW_SHOWDEFAULT);
    EXPECT_TRUE(WindowSystem::instance().abandoned());
    EXPECT_EQ(WindowSystem::instance().windowCount(), 0U);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A user whose locale writes numbers with a decimal comma.
    qputenv("LC_ALL", "de_DE.UTF-8");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
