// Bookmark records and the growable list: equality, growth by 10 (and by less
// when memory is short), removal and search.
#include "store/mark_list.h"

#include <gtest/gtest.h>

namespace {

MarkRecord Mark(const char *name, int row = 1, int editorMark = NO_EDITOR_MARK) {
    MarkRecord r;
    r.name = name;
    r.file = "C:\\work\\a.c";
    r.row = row;
    r.column = 4;
    r.editorMark = editorMark;
    r.project = "C:\\work\\a.prj";
    return r;
}

std::string Names(const MarkList &list) {
    std::string s;
    for (unsigned i = 0; i < list.GetCount(); ++i) s += std::string(list.GetAt(i).name) + " ";
    return s;
}

// Fails every request for more than a given number of records.
int g_largestAllowed = 0;
bool FailAboveLimit(int count) { return count > g_largestAllowed; }

struct AllocationLimit {
    explicit AllocationLimit(int largest) {
        g_largestAllowed = largest;
        SetRecordAllocationHook(FailAboveLimit);
    }
    ~AllocationLimit() { SetRecordAllocationHook(nullptr); }
};

TEST(MarkRecordTest, EqualityNeedsAllSixFieldsExactly) {
    MarkRecord a = Mark("init");
    EXPECT_EQ(a, Mark("init"));
    MarkRecord b = a;
    b.editorMark = 0x2001;
    EXPECT_NE(a, b);
    b = a;
    b.name = "Init";
    EXPECT_NE(a, b);
    b = a;
    b.project = "";
    EXPECT_NE(a, b);
    b = a;
    b.column = 5;
    EXPECT_NE(a, b);
}

TEST(MarkListTest, EmptyListFindsAndRemovesNothing) {
    MarkList list;
    EXPECT_EQ(0u, list.GetCount());
    EXPECT_EQ(0, list.Contains(Mark("a")));
    EXPECT_EQ(MARK_NOT_FOUND, list.IndexOf(Mark("a")));
    EXPECT_EQ(0, list.Remove(Mark("a")));
    EXPECT_EQ(0, list.RemoveAt(0));
}

TEST(MarkListTest, GrowsByTenKeepingValuesAndOrder) {
    MarkList list;
    const int expectedCapacity[] = {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 20, 20};
    for (int i = 0; i < 12; ++i) {
        ASSERT_EQ(1, list.Add(Mark(std::to_string(i).c_str(), i)));
        EXPECT_EQ(expectedCapacity[i], list.GetCapacity()) << "after add " << i + 1;
    }
    EXPECT_EQ("0 1 2 3 4 5 6 7 8 9 10 11 ", Names(list));
    for (int i = 0; i < 12; ++i) EXPECT_EQ(Mark(std::to_string(i).c_str(), i), list.GetAt(i));
}

TEST(MarkListTest, ShortOfMemoryGrowsByTheLargestStepThatFits) {
    MarkList list;
    for (int i = 0; i < 10; ++i) list.Add(Mark("x"));
    {
        AllocationLimit limit(13);  // room for 3 more, not 10
        EXPECT_EQ(1, list.Add(Mark("y")));
        EXPECT_EQ(13, list.GetCapacity());
    }
    {
        AllocationLimit limit(13);  // full again, and not even one more fits
        list.Add(Mark("y"));
        list.Add(Mark("y"));
        EXPECT_EQ(0, list.Add(Mark("z")));
        EXPECT_EQ(13u, list.GetCount());
        EXPECT_EQ(0, list.Contains(Mark("z")));
    }
    EXPECT_EQ(1, list.Add(Mark("z")));
    EXPECT_EQ(23, list.GetCapacity());
}

TEST(MarkListTest, RemoveTakesTheFirstEqualRecordOnly) {
    MarkList list;
    list.Add(Mark("a"));
    list.Add(Mark("b"));
    list.Add(Mark("a"));
    list.Add(Mark("c"));
    EXPECT_EQ(0, list.Remove(Mark("a", 1, 0x2001)));  // differs only in editorMark
    EXPECT_EQ(0, list.Remove(Mark("A")));             // differs only in case
    EXPECT_EQ(1, list.Remove(Mark("a")));
    EXPECT_EQ("b a c ", Names(list));
    EXPECT_EQ(1, list.IndexOf(Mark("a")));
}

TEST(MarkListTest, RemoveAtClosesTheGapAndRefusesOutOfRange) {
    MarkList list;
    for (const char *n : {"a", "b", "c", "d"}) list.Add(Mark(n));
    EXPECT_EQ(0, list.RemoveAt(-1));
    EXPECT_EQ(0, list.RemoveAt(4));
    EXPECT_EQ(1, list.RemoveAt(3));
    EXPECT_EQ("a b c ", Names(list));
    EXPECT_EQ(1, list.RemoveAt(0));
    EXPECT_EQ("b c ", Names(list));
    EXPECT_EQ(10, list.GetCapacity());  // never shrinks
}

}  // namespace
