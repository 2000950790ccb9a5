// The framework's string class and text helpers: copies that never overrun,
// comparisons with and without regard to case, texts from the string table.
#include "framework/fwstring.h"

#include <gtest/gtest.h>

namespace {

TEST(CStringTest, CopiesAssignsAndComparesExactly) {
    CString empty, null(nullptr), a("abc");
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(null.IsEmpty());
    EXPECT_STREQ("", empty);
    CString b = a;
    b.Append("d");
    EXPECT_STREQ("abc", a);
    EXPECT_STREQ("abcd", b);
    EXPECT_EQ(4, b.GetLength());
    b = b.GetString() + 1;  // assigning a part of itself
    EXPECT_STREQ("bcd", b);
    CString moved(std::move(b));
    EXPECT_STREQ("bcd", moved);
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(0, a.Compare("abc"));
    EXPECT_NE(0, a.Compare("ABC"));
    EXPECT_NE(0, a.Compare(nullptr));
    EXPECT_EQ(0, empty.Compare(nullptr));
    EXPECT_TRUE(CString("x") != CString("x "));
}

TEST(CStringTest, CompareNoCaseFoldsLettersOnly) {
    struct {
        const char *a, *b;
        bool equal;
    } cases[] = {
        {"C:\\Work\\A.c", "c:\\work\\a.C", true}, {"abc", "abd", false}, {"", nullptr, true},
        {"a-b", "ab", false},                      {"[", "{", false},     {"Z", "z", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.equal, FwCompareNoCase(c.a, c.b) == 0) << c.a << " ~ " << (c.b ? c.b : "NULL");
    EXPECT_LT(FwCompareNoCase("a", "B"), 0);
}

TEST(CStringTest, CopyTextCutsAndAlwaysTerminates) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(3, FwCopyText(buffer, sizeof buffer, "abcdef"));
    EXPECT_STREQ("abc", buffer);
    EXPECT_EQ(0, FwCopyText(buffer, sizeof buffer, nullptr));
    EXPECT_STREQ("", buffer);
}

TEST(CStringTest, LoadsTextsOfTheStringTable) {
    CString text;
    EXPECT_TRUE(text.LoadString(3));
    EXPECT_STREQ("Enter Name of Mark: ", text);
    EXPECT_FALSE(text.LoadString(11));
    EXPECT_TRUE(text.IsEmpty());
    char small[8];
    FwLoadText(small, sizeof small, 2);
    EXPECT_STREQ("Named B", small);
}

}  // namespace
