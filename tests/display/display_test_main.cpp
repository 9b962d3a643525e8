// The display tests run the real widgets on Qt's offscreen platform unless
// told otherwise, so they need no X server.

#include <QApplication>

#include <gtest/gtest.h>

#include "display/qt/qt_session.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QtSession session(argc, argv);
    return RUN_ALL_TESTS();
}
