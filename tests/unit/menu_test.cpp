// The menu entries: the id search and its refusals, what is taken out again
// on failure, and the callback that runs the two commands.
#include "addin_fixture.h"

#include <sstream>

namespace {

class MenuTest : public AddinTest {
protected:
    void SetUp() override { TagpinInit(); }

    // The menu as "flags:id:label:prompt" entries.
    static std::vector<std::string> Menu() {
        std::vector<std::string> entries;
        for (int i = 0; i < SimMenuEntryCount(); ++i) {
            int flags, id;
            char label[64], prompt[64];
            SimMenuEntry(i, &flags, &id, label, prompt);
            std::ostringstream s;
            s << std::hex << flags << ":" << id << ":" << label << ":" << prompt;
            entries.push_back(s.str());
        }
        return entries;
    }
    // The command ids offered to HostMenuItemCreate, in order.
    static std::vector<int> Offered(const std::vector<std::string> &log) {
        std::vector<int> ids;
        for (const std::string &call : log) {
            int menu, flags, id;
            if (sscanf(call.c_str(), "HostMenuItemCreate(%d, %d, %d", &menu, &flags, &id) == 3 &&
                flags == 0x400)
                ids.push_back(id);
        }
        return ids;
    }
};

const std::string kSeparator = "800:0::";
const std::string kPlace = ":&Tagpin:Place a tagpin.";
const std::string kChoose = ":Go&to Tagpin...:Action for a tagpin.";

TEST_F(MenuTest, AcceptingHostGetsSeparatorAndTwoEntriesRoutedToTheHandler) {
    TagpinMenu();
    EXPECT_EQ((std::vector<std::string>{kSeparator, "400:1306" + kPlace, "400:1307" + kChoose}),
              Menu());
    EXPECT_STREQ("TagpinMenuHandler", SimCommandHandler(0x1306));
    EXPECT_STREQ("TagpinMenuHandler", SimCommandHandler(0x1307));
}

TEST_F(MenuTest, RefusedIdsAreSkippedInRisingOrder) {
    SimRefuseMenuIds(0x1306, 0x1309);
    TagpinMenu();
    EXPECT_EQ((std::vector<std::string>{kSeparator, "400:130a" + kPlace, "400:130b" + kChoose}),
              Menu());
}

TEST_F(MenuTest, PlaceEntryAtTheLastIdLeavesNoRoomAndIsTakenOutAgain) {
    SimRefuseMenuIds(0x1306, 0x14FE);
    TagpinMenu();
    std::vector<int> offered = Offered(TakeLog());
    EXPECT_EQ(0x14FF - 0x1306 + 1, (int)offered.size());
    EXPECT_EQ(0x14FF, offered.back());  // 0x1500 is never offered
    EXPECT_EQ(std::vector<std::string>{kSeparator}, Menu());
}

TEST_F(MenuTest, NoFreeIdLeavesTheSeparatorOnly) {
    SimRefuseMenuIds(0x1306, 0x14FF);
    TagpinMenu();
    EXPECT_EQ(std::vector<std::string>{kSeparator}, Menu());
}

TEST_F(MenuTest, RefusedSeparatorAddsNothing) {
    SimRefuseSeparator(1);
    TagpinMenu();
    EXPECT_TRUE(Menu().empty());
    EXPECT_TRUE(Offered(TakeLog()).empty());
}

TEST_F(MenuTest, FailedHandlerRegistrationTakesBothEntriesOut) {
    for (int failing : {0x1306, 0x1307}) {
        SimReset();
        SimSetExportResolver(&ResolveExport);
        SimFailCommandHandler(failing);
        TagpinMenu();
        EXPECT_EQ(std::vector<std::string>{kSeparator}, Menu()) << std::hex << failing;
        std::vector<std::string> log = TakeLog();
        int registrations = 0;
        for (const std::string &call : log) registrations += call.rfind("HostSetCommandHandler", 0) == 0;
        EXPECT_EQ(failing == 0x1306 ? 1 : 2, registrations);
        EXPECT_EQ("HostMenuItemRemove(5120, 4871)", log[log.size() - 1]);
        EXPECT_EQ("HostMenuItemRemove(5120, 4870)", log[log.size() - 2]);
    }
}

TEST_F(MenuTest, HandlerRunsTheCommandOfTheLowSixteenBits) {
    TagpinMenu();
    TakeLog();
    EXPECT_EQ(1, TagpinMenuHandler(99, 0x7FFF1306));
    std::vector<std::string> log = TakeLog();
    EXPECT_NE(log.end(), std::find(log.begin(), log.end(),
                                   "HostPrompt(\"TAGPIN\", \"Enter Name of Mark: \", \"A\")"));
    EXPECT_EQ(0, TagpinMenuHandler(0, 0x1308));
    EXPECT_EQ(0, TagpinMenuHandler(0x1306, 0x10000));
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_EQ(1, TagpinMenuHandler(0, 0x1307));
}

TEST_F(MenuTest, SecondCallAddsAnotherPairAndForgetsTheFirst) {
    TagpinMenu();
    TagpinMenu();
    EXPECT_EQ((std::vector<std::string>{kSeparator, "400:1306" + kPlace, "400:1307" + kChoose,
                                        kSeparator, "400:1308" + kPlace, "400:1309" + kChoose}),
              Menu());
    EXPECT_EQ(0, SimFireCommand(0x1306));
    EXPECT_EQ(1, SimFireCommand(0x1308));
}

}  // namespace
