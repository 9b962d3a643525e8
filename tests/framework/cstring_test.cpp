#include "framework/cstring.h"

#include <gtest/gtest.h>

#include "framework/afx_globals.h"
#include "windowing/resources.h"

TEST(CStringFormat, FormatsAsPrintfDoesWithoutLimitOnLength) {
    struct Row {
        const char* format;
        double value;
        const char* expected;
    };
    const Row rows[] = {
        {"%14.5g", 10.0, "            10"},
        {"%14.4g rad/sec", 1.5915494309189535, "         1.592 rad/sec"},
        {"%14.3g mm", 98.1, "          98.1 mm"},
        {"%14.5g", 123456.0, "    1.2346e+05"},
    };
    for (const Row& row : rows) {
        CString text;
        text.Format(row.format, row.value);
        EXPECT_EQ(text.str(), row.expected) << row.format;
    }
    CString longText;
    longText.Format("%s-%0300d", "wide", 7);
    EXPECT_EQ(longText.GetLength(), 305);
    EXPECT_EQ(longText.str().substr(0, 5), "wide-");
}

TEST(CStringLoad, LoadsStringsOfTheProgramModule) {
    ResourceModule module;
    module.addString(101, "&About resonix...");
    SetProgramModule(&module);
    CString text("old");
    EXPECT_TRUE(text.LoadStringA(101));
    EXPECT_EQ(text, "&About resonix...");
    EXPECT_FALSE(text.LoadStringA(999));
    EXPECT_TRUE(text.IsEmpty());
    SetProgramModule(nullptr);
    EXPECT_FALSE(text.LoadStringA(101)) << "no module, no strings";
}
