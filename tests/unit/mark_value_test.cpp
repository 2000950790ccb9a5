// The value of a "Mark" key: how it is split back into a bookmark when names,
// files or projects hold commas, which files are asked about, and how values
// that only the earlier reading understands still load.
#include "persist/mark_value.h"

#include <gtest/gtest.h>

#include <limits.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::set<std::string> g_files;           // the files that exist
std::vector<std::string> g_asked;        // the paths asked about, in order

int Exists(const char *path) {
    g_asked.push_back(path);
    return g_files.count(path) ? 1 : 0;
}

std::string Describe(const MarkRecord &r) {
    return std::string(r.name) + "|" + r.file.GetString() + "|" + std::to_string(r.row) + "|" +
           std::to_string(r.column) + "|" + r.project.GetString() + "|" +
           std::to_string(r.editorMark);
}

bool Parse(const std::string &value, MarkRecord &record) {
    CFileExistsCache exists(Exists);
    return ParseMarkValue(value, record, exists);
}

struct SCase {
    const char *value;
    std::set<std::string> files;
    const char *loaded;  // Describe() of the record, or NULL when it is dropped
};

TEST(MarkValue, SplitsFindTheReadingWhoseFilesExist) {
    const SCase cases[] = {
        {"main,F,120,5,P", {"F", "P"}, "main|F|120|5|P|-1"},
        {"A,F,1,1,", {"F"}, "A|F|1|1||-1"},
        {",F,1,1,", {"F"}, "|F|1|1||-1"},
        {"a,b,F,1,1,", {"F"}, "a,b|F|1|1||-1"},
        {",,F,-1,-2,", {"F"}, ",|F|-1|-2||-1"},
        {"1,2,F,3,4,", {"F"}, "1,2|F|3|4||-1"},
        {"n,F,x,1,1,P,q", {"F,x", "P,q"}, "n|F,x|1|1|P,q|-1"},
        {"n,F,-2147483648,2147483647,", {"F"}, "n|F|-2147483648|2147483647||-1"},
        // Both "b,c" and "c" exist: the reading with fewer commas in the name wins.
        {"a,b,c,1,1,", {"b,c", "c"}, "a|b,c|1|1||-1"},
        {"n,F,1,1,P", {"F"}, nullptr},
        {"n,F,1,1,", {}, nullptr},
        {"n,F,1", {"F"}, nullptr},
        {"", {}, nullptr},
    };
    for (const SCase &c : cases) {
        g_files = c.files;
        MarkRecord record;
        record.editorMark = 0x2001;
        bool loaded = Parse(c.value, record);
        EXPECT_EQ(c.loaded != nullptr, loaded) << c.value;
        if (c.loaded && loaded) {
            EXPECT_EQ(c.loaded, Describe(record)) << c.value;
        }
    }
}

// Values no split of which fits are read as earlier versions read them: empty
// pieces skipped, the sixth and later ignored, numbers up to their first
// other character.
TEST(MarkValue, ValuesOnlyTheEarlierReadingFitsLoadThatWay) {
    const SCase cases[] = {
        {"n,F,1,2,P,x", {"F", "P"}, "n|F|1|2|P|-1"},
        {",,n,,F,,1,,1,,", {"F"}, "n|F|1|1||-1"},
        {"n,F, 12abc,+3,", {"F"}, "n|F|12|3||-1"},
        {"n,F,x,y,", {"F"}, "n|F|0|0||-1"},
        {"n,F,99999999999,-99999999999,", {"F"}, "n|F|2147483647|-2147483648||-1"},
        {"n,F,1,1,,,", {"F"}, "n|F|1|1||-1"},
    };
    for (const SCase &c : cases) {
        g_files = c.files;
        MarkRecord record;
        EXPECT_TRUE(Parse(c.value, record)) << c.value;
        EXPECT_EQ(c.loaded, Describe(record)) << c.value;
    }
}

TEST(MarkValue, AsksTheFileThenTheProjectAndEachPathOnce) {
    struct {
        const char *value;
        std::set<std::string> files;
        std::vector<std::string> asked;
    } cases[] = {
        {"n,F,1,1,P", {"F", "P"}, {"F", "P"}},
        {"n,F,1,1,", {"F"}, {"F"}},
        {"n,F,1,1,P", {}, {"F"}},
        {"n,F,1,1,P", {"F"}, {"F", "P"}},
        // Two splits fit the numbers, then the earlier reading's file "1";
        // its "F" of the failed split is not asked again.
        {"1,1,F,1,1,", {}, {"1,F", "F", "1"}},
        {"1,F,1,1,", {}, {"F"}},
    };
    for (const auto &c : cases) {
        g_files = c.files;
        g_asked.clear();
        MarkRecord record;
        Parse(c.value, record);
        EXPECT_EQ(c.asked, g_asked) << c.value;
    }
}

TEST(MarkValue, ValueOfManyNumberPiecesEndsAfterFewQuestions) {
    std::string value = "1";
    for (int i = 0; i < 5000; ++i) value += ",1";
    g_files.clear();
    g_asked.clear();
    MarkRecord record;
    EXPECT_FALSE(Parse(value, record));
    EXPECT_LE(g_asked.size(), 256u);
}

TEST(MarkValue, FormatPutsTheLineBeforeTheColumnAndLeavesTheEditorMarkOut) {
    MarkRecord r;
    r.name = "a,b";
    r.file = "C:\\w\\n.txt";
    r.row = 120;
    r.column = 5;
    r.editorMark = 0x2003;
    EXPECT_EQ("a,b,C:\\w\\n.txt,120,5,", FormatMarkValue(r));
    r.project = "C:\\w\\d.prj";
    r.row = INT_MIN;
    EXPECT_EQ("a,b,C:\\w\\n.txt,-2147483648,5,C:\\w\\d.prj", FormatMarkValue(r));
}

}  // namespace
