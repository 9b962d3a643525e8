#pragma once

#include <QApplication>

#include <gtest/gtest.h>
#include <memory>

#include "display/qt/qt_display.h"

// A test of the real widgets: a fresh window system with a fresh Qt display.
// Afterwards no window may be left, neither in the window system nor on screen.
class DisplayTest : public ::testing::Test {
protected:
    DisplayTest();
    ~DisplayTest() override;
    void TearDown() override;

    QtDisplay& display() { return *m_display; }
    // Runs the application as main() does; returns what AfxWinMain returns.
    static int runProgram();

private:
    std::unique_ptr<QtDisplay> m_display;
};
