#include "framework/cstring.h"

#include <gtest/gtest.h>

#include "framework/afx_globals.h"
#include "windowing/resources.h"

TEST(CStringLoad, LoadsStringsOfTheProgramModule) {
    ResourceModule module;
    module.addString(101, "&About resonix...");
    setProgramModule(&module);
    CString text("old");
    EXPECT_TRUE(text.LoadStringA(101));
    EXPECT_EQ(text, "&About resonix...");
    EXPECT_FALSE(text.LoadStringA(999));
    EXPECT_TRUE(text.IsEmpty());
    setProgramModule(nullptr);
    EXPECT_FALSE(text.LoadStringA(101)) << "no module, no strings";
}
