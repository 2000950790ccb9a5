// Names: the in-use test with and without project scope, the order of
// generated names (held against a line-by-line reference of the letter
// stepping), what happens when every generated name is taken, and the
// proposals from the selection and the word at the cursor.
#include "addin_fixture.h"
#include "store/names.h"
#include "store/project_scope.h"
#include "sync_reference.h"

#include <algorithm>
#include <random>

namespace {

class NamesTest : public AddinTest {
protected:
    void AddMark(const char *name, const char *project = "") {
        MarkRecord r;
        r.name = name;
        r.file = "C:\\w\\a.c";
        r.project = project;
        m_app.m_marks.Add(r);
    }
    std::string Generated() {
        m_app.GenerateUniqueName();
        return m_app.m_defaultName;
    }
};

// The letter-stepping search, giving up after maxSteps candidates.
std::string ReferenceGeneratedName(const MarkList &list, long maxSteps) {
    char name[32];
    reference::GenerateUniqueName(list, name, maxSteps);
    return name;
}

TEST_F(NamesTest, NameInUseComparesExactlyAndHonoursProjectScope) {
    AddMark("main", "P1");
    AddMark("", "");
    SimSetProject("P2");
    struct {
        const char *name;
        int byProject;
        const char *project;  // current project, NULL for none
        int inUse;
    } cases[] = {
        {"main", 0, "P2", 1},  {"Main", 0, "P2", 0},  {"main ", 0, "P2", 0},
        {"main", 1, "P2", 0},  {"main", 1, "P1", 1},  {"", 1, nullptr, 1},
        {"main", 1, nullptr, 0}, {"", 1, "P1", 0},
    };
    for (const auto &c : cases) {
        SimSetProject(c.project);
        EXPECT_EQ(c.inUse, NameInUse(&m_app.m_marks, c.name, c.byProject))
            << "'" << c.name << "' byProject " << c.byProject << " project "
            << (c.project ? c.project : "none");
    }
}

TEST_F(NamesTest, NameInUseAsksTheProjectOncePerMatchingName) {
    AddMark("a", "P1");
    AddMark("b", "P1");
    AddMark("a", "P2");
    SimSetProject("P3");
    TakeLog();
    EXPECT_EQ(0, NameInUse(&m_app.m_marks, "a", 1));
    EXPECT_EQ(2u, TakeLog().size());
}

TEST_F(NamesTest, GeneratedNamesFollowTheLetterSequence) {
    EXPECT_EQ("A", Generated());
    AddMark("A");
    AddMark("B");
    EXPECT_EQ("C", Generated());
    for (char c = 'C'; c <= 'Z'; ++c) AddMark(std::string(1, c).c_str());
    EXPECT_EQ("a", Generated());
    for (char c = 'a'; c <= 'z'; ++c) AddMark(std::string(1, c).c_str());
    EXPECT_EQ("AA", Generated());
    AddMark("AA");
    EXPECT_EQ("AB", Generated());
}

TEST_F(NamesTest, GeneratedNamesIgnoreGapsInOtherPatterns) {
    AddMark("B");
    EXPECT_EQ("A", Generated());
    m_app.m_marks.RemoveAt(0);
    AddMark("AA");
    EXPECT_EQ("A", Generated());
}

TEST_F(NamesTest, GeneratedNamesCountEveryProjectAndClearTheWholeBuffer) {
    AddMark("A", "P1");
    AddMark("B", "");
    m_app.m_byProject = 1;
    SimSetProject("P2");
    memset(m_app.m_defaultName, 'x', sizeof m_app.m_defaultName);
    EXPECT_EQ("C", Generated());
    for (size_t i = 1; i < sizeof m_app.m_defaultName; ++i) EXPECT_EQ(0, m_app.m_defaultName[i]);
}

TEST_F(NamesTest, GeneratedNamesMatchTheReferenceOnRandomStores) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter(0, 51), length(1, 31), coin(0, 3);
    for (int round = 0; round < 80; ++round) {
        MarkList list;
        int n = 1 + round * 20;
        for (int i = 0; i < n; ++i) {
            // Mostly names of the sequence, some near misses.
            int len = coin(random) ? 1 + round % 3 : length(random);
            std::string name(len, 'A');
            int l = letter(random);
            name[coin(random) ? len - 1 : random() % len] = (char)(l < 26 ? 'A' + l : 'a' + l - 26);
            if (coin(random) == 0) name += '1';
            MarkRecord r;
            r.name = name.c_str();
            list.Add(r);
        }
        char generated[32];
        FirstFreeGeneratedName(list, generated);
        EXPECT_EQ(ReferenceGeneratedName(list, 4000), generated) << "round " << round;
    }
}

TEST_F(NamesTest, EveryGeneratedNameTakenFallsBackToShortLetterNames) {
    // Take every distinct name of the sequence.
    char name[32];
    for (int i = 0; i < 3142; ++i) {
        FirstFreeGeneratedName(m_app.m_marks, name);
        AddMark(name);
    }
    // The letter stepping finds nothing free any more.
    EXPECT_EQ(1, NameInUse(&m_app.m_marks, ReferenceGeneratedName(m_app.m_marks, 4000).c_str(), 0));
    EXPECT_EQ("BA", Generated());  // all one-letter names and A? are taken
    AddMark("BA");
    EXPECT_EQ("BB", Generated());
}

TEST_F(NamesTest, SequenceOfLetterNamesSkipsNamesTakenOnTheWay) {
    char name[32];
    for (int i = 0; i < 3142; ++i) {
        FirstFreeGeneratedName(m_app.m_marks, name);
        AddMark(name);
    }
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (char a : letters.substr(1))
        for (char b : letters) AddMark(std::string{a, b}.c_str());
    CNameSequence sequence(m_app.m_marks);
    const char *const steps[][2] = {{"ABA", "ABA"}, {"ABB", "ABC"}, {"ABB", "ABB"}, {"ABD", nullptr}};
    for (const auto &step : steps) {
        sequence.FirstFree(name);
        EXPECT_STREQ(step[0], name);
        if (!step[1]) break;
        AddMark(step[1]);
        sequence.Take(step[1]);
    }
    EXPECT_EQ("ABD", Generated());
}

class ProposeTest : public NamesTest {
protected:
    void SetUp() override {
        SimOpenBuffer("C:\\w\\a.c", "int counter = 1;");
        SimSetCursor(1, 6);  // on "counter"
    }
    std::string Proposed() {
        m_app.ProposeDefaultName();
        EXPECT_EQ(0, SimOutstandingStrings());
        return m_app.m_defaultName;
    }
};

TEST_F(ProposeTest, ChoosesSelectionThenWordThenGeneratedName) {
    struct {
        unsigned flags;
        int type;
        const char *selection;
        const char *taken;  // a bookmark name in the store, or NULL
        const char *expected;
    } cases[] = {
        {0x800, 1, "sel", nullptr, "sel"},
        {0x800, 2, "sel", nullptr, "sel"},
        {0x800, 3, "sel", nullptr, "counter"},
        {0x1000, 1, "sel", nullptr, "counter"},
        {0x800, 1, "sel", "sel", "counter"},
        {0x800, 1, "sel", "counter", "sel"},
        {0x1000, 1, "sel", "counter", "A"},
        {0, 1, "sel", nullptr, "A"},
        {0x800, 1, "", nullptr, ""},
        {0x800, 1, nullptr, nullptr, ""},
        {0x800, 1, nullptr, "", "counter"},
    };
    for (const auto &c : cases) {
        SimSetBufferFlags(c.flags);
        SimSetSelection(c.type, c.selection);
        while (m_app.m_marks.GetCount()) m_app.m_marks.RemoveAt(0);
        if (c.taken) AddMark(c.taken);
        EXPECT_EQ(c.expected, Proposed()) << std::hex << c.flags << " type " << c.type << " sel "
                                          << (c.selection ? c.selection : "NULL");
    }
}

TEST_F(ProposeTest, AsksTheHostInOrderAndReleasesBothTexts) {
    SimSetBufferFlags(0);
    SimSetSelection(1, "sel");
    TakeLog();
    Proposed();
    std::vector<std::string> log = TakeLog();
    ASSERT_EQ(6u, log.size());
    EXPECT_EQ("HostBufferFlags()", log[0]);
    EXPECT_EQ("HostWordAtCursor()", log[1]);
    EXPECT_EQ("HostSelectionType()", log[2]);
    EXPECT_EQ("HostSelectionText(0, 0)", log[3]);
    EXPECT_EQ("HostFreeString(\"counter\")", log[4]);
    EXPECT_EQ("HostFreeString(\"sel\")", log[5]);
}

TEST_F(ProposeTest, WithoutWordOnlyTheSelectionIsReleased) {
    SimCloseBuffer(SimCurrentBuffer(), 0);
    SimSetBufferFlags(0x1000);
    SimSetSelection(1, "sel");
    TakeLog();
    EXPECT_EQ("A", Proposed());
    std::vector<std::string> log = TakeLog();
    EXPECT_EQ("HostFreeString(\"sel\")", log.back());
    EXPECT_EQ(1, std::count_if(log.begin(), log.end(), [](const std::string &line) {
                  return line.rfind("HostFreeString(", 0) == 0;
              }));
}

TEST_F(ProposeTest, LongSelectionIsTestedWholeAndProposedCut) {
    std::string forty(40, 'x');
    SimSetBufferFlags(0x800);
    SimSetSelection(1, forty.c_str());
    AddMark(std::string(31, 'x').c_str());  // the cut text is taken, the whole one is not
    EXPECT_EQ(std::string(31, 'x'), Proposed());
}

TEST_F(NamesTest, ProjectTests) {
    AddMark("a", "P1");
    SimSetProject(nullptr);
    EXPECT_EQ(1, m_app.NoMarksForCurrentProject());
    EXPECT_EQ(0, m_app.ProjectOpen());
    EXPECT_EQ(1, IsCurrentProject(""));
    EXPECT_EQ(0, IsCurrentProject("P1"));
    SimSetProject("P1");
    EXPECT_EQ(0, m_app.NoMarksForCurrentProject());
    EXPECT_EQ(1, m_app.ProjectOpen());
    EXPECT_EQ(1, IsCurrentProject("P1"));
    EXPECT_EQ(0, IsCurrentProject("p1"));
    SimSetProject("");
    EXPECT_EQ(0, m_app.ProjectOpen());
    AddMark("b", "");
    EXPECT_EQ(0, m_app.NoMarksForCurrentProject());
}

}  // namespace
