// addin_fixture.h - a fresh simulated editor and a fresh state object for
// each test. The test's CTagpinApp is the current application object while
// it lives, so the exports work on it exactly as the library's global one.
#pragma once

#include "addin/exports.h"
#include "addin/tagpin_app.h"
#include "sim/sim.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

// Finds the add-in's exports by the names the host knows them by.
inline void *ResolveExport(const char *name) {
    static const struct {
        const char *name;
        void *function;
    } table[] = {
        {"_init", (void *)&TagpinInit},
        {"TagpinSelect", (void *)&TagpinSelect},
        {"TagpinAdd", (void *)&TagpinAdd},
        {"TagpinMenu", (void *)&TagpinMenu},
        {"TagpinByProject", (void *)&TagpinByProject},
        {"TagpinMenuHandler", (void *)&TagpinMenuHandler},
        {"TagpinFinish", (void *)&TagpinFinish},
        {"TagpinProjectEnd", (void *)&TagpinProjectEnd},
        {"TagpinProjectBegin", (void *)&TagpinProjectBegin},
    };
    for (const auto &e : table)
        if (name && std::strcmp(name, e.name) == 0) return e.function;
    return nullptr;
}

class AddinTest : public ::testing::Test {
protected:
    AddinTest() {
        SimReset();
        SimSetExportResolver(&ResolveExport);
    }
    ~AddinTest() override { SimReset(); }

    // The host calls logged so far, then the log is cleared.
    static std::vector<std::string> TakeLog() {
        std::vector<std::string> log;
        for (int i = 0; i < SimLogCount(); ++i) log.push_back(SimLogEntry(i));
        SimClearLog();
        return log;
    }

    CTagpinApp m_app;
};
