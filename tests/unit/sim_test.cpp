// sim_test.cpp - the simulated editor behaves like an editor: marks keep
// their place around edits, ids are reused lowest first, texts handed out are
// counted, prompts play from a queue, and every host call is logged.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "host/host.h"
#include "sim/sim.h"

namespace {

struct CPlace {
    int m_line;
    int m_column;
};

CPlace MarkPlace(int markId) {
    CPlace place{0, 0};
    SimMarkPlace(markId, nullptr, &place.m_line, &place.m_column);
    return place;
}

std::string Logged(int i) {
    const char *entry = SimLogEntry(i);
    return entry ? entry : "(none)";
}

TEST(SimEditor, MarkFollowsInsertedText) {
    struct {
        int m_line, m_column;
        const char *m_text;
        CPlace m_expected;
    } cases[] = {
        {2, 1, "xx", {2, 7}},        // before the mark on its line
        {2, 5, "xx", {2, 7}},        // at the mark: pushed along
        {2, 6, "xx", {2, 5}},        // behind the mark
        {1, 1, "a\nb", {3, 5}},      // line break on an earlier line
        {2, 2, "a\nbc", {3, 6}},     // splits the mark's line before it
        {2, 9, "a\nb", {2, 5}},      // splits the mark's line behind it
        {3, 1, "new\n", {2, 5}},     // a later line
        {9, 4, "past end", {2, 5}},  // beyond the text
    };
    for (const auto &c : cases) {
        SimReset();
        SimOpenBuffer("a.c", "one\ntwo three\nfour");
        int mark = SimPlaceMark(1, 2, 5);
        SimInsertText(c.m_line, c.m_column, c.m_text);
        CPlace got = MarkPlace(mark);
        EXPECT_EQ(c.m_expected.m_line, got.m_line) << c.m_text << " at " << c.m_column;
        EXPECT_EQ(c.m_expected.m_column, got.m_column) << c.m_text << " at " << c.m_column;
    }
    SimReset();
    SimOpenBuffer("a.c", "one\ntwo three");
    SimInsertText(2, 4, "\nX");
    EXPECT_STREQ("one\ntwo\nX three", SimBufferText());
    SimInsertText(4, 3, "Y");
    EXPECT_STREQ("one\ntwo\nX three\n  Y", SimBufferText());
}

TEST(SimEditor, MarkFollowsDeletedText) {
    struct {
        int m_line, m_column, m_endLine, m_endColumn;
        CPlace m_expected;
    } cases[] = {
        {2, 1, 2, 3, {2, 5}},  // before it on its line
        {2, 1, 2, 7, {2, 1}},  // up to the mark
        {2, 6, 2, 9, {2, 6}},  // around it: to the start
        {2, 8, 3, 1, {2, 7}},  // behind it
        {1, 1, 2, 1, {1, 7}},  // the line above
        {1, 3, 2, 2, {1, 8}},  // joins the line above
        {2, 3, 2, 1, {2, 5}},  // ends given in reverse order
        {3, 1, 9, 9, {2, 7}},  // past the end of the text
    };
    for (const auto &c : cases) {
        SimReset();
        SimOpenBuffer("a.c", "alpha\nbravo charlie\ndelta\necho");
        int mark = SimPlaceMark(1, 2, 7);
        SimDeleteText(c.m_line, c.m_column, c.m_endLine, c.m_endColumn);
        CPlace got = MarkPlace(mark);
        EXPECT_EQ(c.m_expected.m_line, got.m_line) << c.m_line << "," << c.m_column;
        EXPECT_EQ(c.m_expected.m_column, got.m_column) << c.m_line << "," << c.m_column;
    }
    SimReset();
    SimOpenBuffer("a.c", "alpha\nbravo charlie\ndelta");
    SimDeleteText(1, 3, 2, 2);
    EXPECT_STREQ("alravo charlie\ndelta", SimBufferText());
}

TEST(SimEditor, EditsMoveOnlyMarksOfTheCurrentBuffer) {
    SimReset();
    SimOpenBuffer("a.c", "a\nb\nc");
    int other = SimPlaceMark(1, 3, 1);
    SimOpenBuffer("b.c", "a\nb\nc");
    int own = SimPlaceMark(2, 3, 1);
    SimInsertText(1, 1, "\n\n");
    EXPECT_EQ(3, MarkPlace(other).m_line);
    EXPECT_EQ(5, MarkPlace(own).m_line);
}

TEST(SimMarks, IdsTakeTheLowestFreeIndexAndCountCoversTheHighest) {
    SimReset();
    EXPECT_EQ(-1, HostMarkPlace());  // no current buffer
    SimOpenBuffer("a.c", "x");
    EXPECT_EQ(0x2001, HostMarkPlace());
    EXPECT_EQ(0x2002, HostMarkPlace());
    EXPECT_EQ(0x2003, HostMarkPlace());
    HostMarkDelete(0x2002);
    EXPECT_EQ(3, HostMarkCount());
    HostMarkDelete(0x2003);
    EXPECT_EQ(1, HostMarkCount());
    EXPECT_EQ(0x2002, HostMarkPlace());
    SimSetMarkCountOverride(4095);
    EXPECT_EQ(4095, HostMarkCount());
    SimSetMarkCountOverride(-1);
    EXPECT_EQ(2, HostMarkCount());

    while (SimPlaceMark(1, 1, 1) != -1) {
    }
    EXPECT_EQ(-1, HostMarkPlace());
    EXPECT_EQ(4095, HostMarkCount());
    EXPECT_EQ(1, HostMarkExists(0x2FFF));
}

TEST(SimMarks, WhatIsNotAMarkAnswersZero) {
    SimReset();
    SimOpenBuffer("a.c", "x");
    SimPlaceMark(1, 1, 1);
    for (int id : {0, -1, 0x2000, 0x2002, 0x3001, 0x1001, 0x12001}) {
        EXPECT_EQ(0, HostMarkExists(id)) << id;
        EXPECT_EQ(0, HostMarkRow(id)) << id;
        EXPECT_EQ(0, HostMarkColumn(id)) << id;
        EXPECT_EQ(0, HostMarkBuffer(id)) << id;
        HostMarkDelete(id);
    }
    EXPECT_EQ(1, HostMarkExists(0x2001));
}

TEST(SimMarks, ClosingABufferDeletesItsMarksUnlessKept) {
    SimReset();
    int kept = SimOpenBuffer("kept.c", "x");
    int keptMark = HostMarkPlace();
    int gone = SimOpenBuffer("gone.c", "x");
    int goneMark = HostMarkPlace();
    int open = SimOpenBuffer("open.c", "x");
    int openMark = HostMarkPlace();

    SimCloseBuffer(kept, 1);
    SimCloseBuffer(gone, 0);
    EXPECT_EQ(1, HostMarkExists(keptMark));
    EXPECT_EQ(kept, HostMarkBuffer(keptMark));
    EXPECT_EQ(0, HostBufferValid(kept));
    EXPECT_EQ(0, HostMarkExists(goneMark));
    EXPECT_EQ(1, HostMarkExists(openMark));
    EXPECT_EQ(open, SimCurrentBuffer());

    SimCloseBuffer(open, 0);
    EXPECT_EQ(0, SimCurrentBuffer());
    EXPECT_EQ(nullptr, HostBufferFileName());
    EXPECT_STREQ("open.c", SimBufferPath(open));
}

TEST(SimBuffers, CurrentBufferCursorAndFileEdit) {
    SimReset();
    const char *path = "sim_test_edit.txt";
    FILE *file = std::fopen(path, "wb");
    ASSERT_NE(nullptr, file);
    std::fputs("first\r\nsecond\n", file);
    std::fclose(file);

    int a = SimOpenBuffer("C:\\Src\\A.c", "1\n2\n3");
    EXPECT_EQ(a, SimOpenBuffer("c:\\src\\a.C", "ignored"));
    EXPECT_STREQ("1\n2\n3", SimBufferText());
    char edit[64] = "sim_test_edit.txt";
    HostFileEdit(edit);
    int b = SimCurrentBuffer();
    EXPECT_NE(a, b);
    EXPECT_STREQ("first\nsecond\n", SimBufferText());
    EXPECT_EQ(b, HostBufferSetCurrent(a));
    EXPECT_STREQ("C:\\Src\\A.c", HostBufferFileName());
    char again[64] = "SIM_TEST_EDIT.TXT";
    HostFileEdit(again);
    EXPECT_EQ(b, SimCurrentBuffer());

    HostBufferActivate(a);
    HostMoveTo(9, 4);  // past the last line: onto it
    EXPECT_EQ(3, SimCursorLine());
    EXPECT_EQ(4, SimCursorColumn());
    EXPECT_EQ(a, HostBufferSetCurrent(999));
    EXPECT_EQ(a, SimCurrentBuffer());
    std::remove(path);
}

TEST(SimBuffers, RealFilesExistOpenAndDelete) {
    SimReset();
    const char *path = "sim_test_file.bin";
    std::remove(path);
    EXPECT_EQ(0, HostFileExists(path));
    EXPECT_EQ(0, HostFileExists("."));  // a folder is not a file
    int handle = HostFileOpen(path, 1);
    EXPECT_NE(0, handle);
    EXPECT_EQ(0, HostFileClose(handle));
    EXPECT_NE(0, HostFileExists(path));
    HostFileDelete(path);
    EXPECT_EQ(0, HostFileExists(path));
    EXPECT_EQ(0, HostFileOpen("no/such/folder/x", 0));
}

TEST(SimText, WordAtCursor) {
    struct {
        int m_column;
        const char *m_word;  // NULL: none
    } cases[] = {
        {1, nullptr}, {3, "foo_bar1"}, {6, "foo_bar1"}, {11, "foo_bar1"},
        {12, "x"},    {13, "x"},       {14, nullptr},   {40, nullptr},
    };
    SimReset();
    SimOpenBuffer("a.c", "  foo_bar1 x \n");
    for (const auto &c : cases) {
        SimSetCursor(1, c.m_column);
        char *word = HostWordAtCursor();
        if (c.m_word)
            EXPECT_STREQ(c.m_word, word) << c.m_column;
        else
            EXPECT_EQ(nullptr, word) << c.m_column;
        HostFreeString(word);
    }
    EXPECT_EQ(0, SimOutstandingStrings());
}

TEST(SimText, SelectionTextsAreCountedUntilFreed) {
    SimReset();
    EXPECT_EQ(nullptr, HostSelectionText(0, 0));
    SimSetSelection(1, "chosen");
    EXPECT_EQ(1, HostSelectionType());
    char *first = HostSelectionText(0, 0);
    char *second = HostSelectionText(0, 0);
    EXPECT_STREQ("chosen", first);
    EXPECT_EQ(2, SimOutstandingStrings());
    HostFreeString(first);
    char stranger[] = "not given";
    HostFreeString(stranger);  // ignored
    EXPECT_EQ(1, SimOutstandingStrings());
    HostFreeString(second);
    EXPECT_EQ(0, SimOutstandingStrings());
}

TEST(SimPrompt, AnswersComeFromTheQueue) {
    SimReset();
    SimQueuePromptAnswer("first");
    SimQueuePromptAnswer(nullptr);
    EXPECT_EQ(2, SimPendingPromptAnswers());
    char def[32] = "A";
    EXPECT_STREQ("first", HostPrompt("TAGPIN", "Enter Name of Mark: ", def));
    EXPECT_STREQ("A", SimLastPromptDefault());
    EXPECT_EQ(nullptr, HostPrompt("TAGPIN", "Again: ", nullptr));
    EXPECT_EQ(nullptr, SimLastPromptDefault());
    EXPECT_EQ(nullptr, HostPrompt("TAGPIN", "Empty queue: ", def));
    EXPECT_EQ(0, SimPendingPromptAnswers());
    EXPECT_EQ("HostPrompt(\"TAGPIN\", \"Enter Name of Mark: \", \"A\")", Logged(0));
}

TEST(SimLog, EveryHostCallIsRecordedWithItsArguments) {
    SimReset();
    SimOpenBuffer("a b.c", "x");
    SimSetModeFlags(0x21);
    HostMarkCount();
    HostSaveOptions(-1);
    HostModeClear(0x20);
    HostModeClear(0xFFFFFFFFu);
    HostRegisterEventHandler(HOST_EVENT_FINISH, 0, "TagpinFinish");
    HostMenuItemCreate(HOST_MENU_TAGPIN, HOST_MENU_COMMAND, 7, "&Add", nullptr);
    HostFileExists("C:\\a \"b\".c");
    HostBufferFileName();
    HostMoveTo(-3, 2);
    const char *expected[] = {
        "HostMarkCount()",
        "HostSaveOptions(-1)",
        "HostModeClear(32)",
        "HostModeClear(4294967295)",
        "HostRegisterEventHandler(1043, 0, \"TagpinFinish\")",
        "HostMenuItemCreate(5120, 1024, 7, \"&Add\", NULL)",
        "HostFileExists(\"C:\\a \"b\".c\")",
        "HostBufferFileName()",
        "HostMoveTo(-3, 2)",
    };
    ASSERT_EQ(static_cast<int>(sizeof expected / sizeof *expected), SimLogCount());
    for (int i = 0; i < SimLogCount(); ++i) EXPECT_EQ(expected[i], Logged(i));
    EXPECT_EQ(0u, SimModeFlags());
    EXPECT_EQ(1, SimCursorLine());

    SimEnableLog(0);
    HostMarkCount();
    SimEnableLog(1);
    EXPECT_EQ(9, SimLogCount());
    SimClearLog();
    EXPECT_EQ(0, SimLogCount());
}

TEST(SimLog, HandlesManyCallsAndKeepsEarlierEntries) {
    SimReset();
    HostMarkRow(0x2001);
    const char *first = SimLogEntry(0);
    for (int i = 0; i < 200000; ++i) HostMarkExists(0x2000 | (i & 0xFFF));
    EXPECT_EQ(200001, SimLogCount());
    EXPECT_EQ(first, SimLogEntry(0));
    EXPECT_STREQ("HostMarkRow(8193)", first);
    EXPECT_EQ("HostMarkExists(" + std::to_string(0x2000 | (199999 & 0xFFF)) + ")", Logged(200000));
}

TEST(SimMenu, InsertsUnlessRefused) {
    SimReset();
    SimRefuseMenuIds(20, 29);
    struct {
        int m_flags, m_commandId;
        int m_inserted;
    } cases[] = {
        {HOST_MENU_COMMAND, 10, 1},
        {HOST_MENU_COMMAND, 10, 0},  // already in the menu
        {HOST_MENU_COMMAND, 25, 0},  // refused range
        {HOST_MENU_SEPARATOR, 0, 1},
        {HOST_MENU_SEPARATOR, 0, 1},  // separators may repeat
        {HOST_MENU_COMMAND, 30, 1},
    };
    for (const auto &c : cases) {
        int entry = HostMenuItemCreate(HOST_MENU_TAGPIN, c.m_flags, c.m_commandId, "L", "P");
        EXPECT_NE(0, entry);
        EXPECT_EQ(c.m_inserted, HostMenuItemInsert(HOST_MENU_TAGPIN, entry) == 0) << c.m_commandId;
    }
    EXPECT_NE(0, HostMenuItemInsert(HOST_MENU_TAGPIN, 12345));  // not an entry
    EXPECT_EQ(4, SimMenuEntryCount());
    HostMenuItemRemove(HOST_MENU_TAGPIN, 10);
    int flags = 0, commandId = 0;
    char label[64], prompt[64];
    ASSERT_EQ(1, SimMenuEntry(2, &flags, &commandId, label, prompt));
    EXPECT_EQ(30, commandId);
    EXPECT_STREQ("L", label);
    EXPECT_STREQ("P", prompt);
    EXPECT_EQ(0, SimMenuEntry(3, &flags, &commandId, label, prompt));

    SimRefuseSeparator(1);
    int separator = HostMenuItemCreate(HOST_MENU_TAGPIN, HOST_MENU_SEPARATOR, 0, "", "");
    EXPECT_NE(0, HostMenuItemInsert(HOST_MENU_TAGPIN, separator));
    SimFailCommandHandler(31);
    EXPECT_NE(0, HostSetCommandHandler(31, "TagpinMenuHandler"));
    EXPECT_EQ(0, HostSetCommandHandler(30, "TagpinMenuHandler"));
    EXPECT_STREQ("TagpinMenuHandler", SimCommandHandler(30));
    EXPECT_EQ(nullptr, SimCommandHandler(31));
}

// A stand-in add-in: its exports record what they saw.
std::string g_seen;

int SIMCALL FakeFinish(long a, long b) {
    g_seen += "finish(" + std::to_string(a) + "," + std::to_string(b) + ") ";
    return 7;
}

int SIMCALL FakeProject(long, long) {
    const char *project = HostCurrentProject();
    g_seen += std::string("project=") + (project ? project : "NULL") + " ";
    return 0;
}

int SIMCALL FakeCommand(int unused, int command) {
    g_seen += "command(" + std::to_string(unused) + "," + std::to_string(command) + ") ";
    return 1;
}

void *SIMCALL ResolveFake(const char *name) {
    struct {
        const char *m_name;
        void *m_address;
    } exports[] = {
        {"Finish", reinterpret_cast<void *>(&FakeFinish)},
        {"Project", reinterpret_cast<void *>(&FakeProject)},
        {"Command", reinterpret_cast<void *>(&FakeCommand)},
    };
    for (const auto &e : exports)
        if (std::strcmp(e.m_name, name) == 0) return e.m_address;
    return nullptr;
}

TEST(SimAddin, EventsAndCommandsCallRegisteredExports) {
    SimReset();
    SimSetExportResolver(&ResolveFake);
    g_seen.clear();
    HostRegisterPrototype("int Finish long long");
    HostRegisterEventHandler(HOST_EVENT_FINISH, 0, "Finish");
    HostRegisterEventHandler(HOST_EVENT_PROJECT_OPENED, 0, "Project");
    HostRegisterEventHandler(HOST_EVENT_PROJECT_CLOSING, 0, "Project");
    HostRegisterEventHandler(0x500, 0, "Missing");
    HostSetCommandHandler(42, "Command");
    EXPECT_EQ(1, SimPrototypeCount());
    EXPECT_STREQ("int Finish long long", SimPrototype(0));
    int eventId = 0;
    EXPECT_STREQ("Project", SimEventHandlerAt(2, &eventId));
    EXPECT_EQ(HOST_EVENT_PROJECT_CLOSING, eventId);

    EXPECT_EQ(7, SimFireEvent(HOST_EVENT_FINISH));
    EXPECT_EQ(-1, SimFireEvent(0x500));  // registered, not resolvable
    EXPECT_EQ(-1, SimFireEvent(0x501));  // not registered
    SimOpenProject("p.prj");
    SimCloseProject();
    EXPECT_EQ(1, SimFireCommand(42));
    EXPECT_EQ(-1, SimFireCommand(43));
    EXPECT_EQ("finish(0,0) project=p.prj project=p.prj command(0,42) ", g_seen);
    EXPECT_EQ(nullptr, HostCurrentProject());
}

TEST(SimHost, GarbageFromTheAddinIsHarmless) {
    SimReset();
    HostRegisterPrototype(nullptr);
    HostRegisterEventHandler(1, 0, nullptr);
    HostSetCommandHandler(1, nullptr);
    HostMenuItemInsert(HOST_MENU_TAGPIN, HostMenuItemCreate(0, 0, 0, nullptr, nullptr));
    HostFileEdit(nullptr);
    HostFileExists(nullptr);
    HostFileOpen(nullptr, 1);
    HostFileClose(-5);
    HostFileDelete(nullptr);
    HostFreeString(nullptr);
    HostPrompt(nullptr, nullptr, nullptr);
    HostMoveTo(-1, -1);
    EXPECT_EQ(nullptr, HostWordAtCursor());
    SimOpenBuffer("a.c", "x");
    HostMoveTo(-1, -1);
    EXPECT_EQ(1, SimCursorLine());
    EXPECT_EQ(1, SimCursorColumn());
    SimInsertText(-2, 1, "x");
    SimInsertText(1, 1, nullptr);
    SimDeleteText(0, 0, -4, 2);
    EXPECT_STREQ("x", SimBufferText());
    EXPECT_EQ(0, SimPrototypeCount());
}

}  // namespace
