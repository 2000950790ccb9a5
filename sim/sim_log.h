// sim_log.h - the record of every host call.
//
// CSimLog   the entries, stored in large chunks so that recording one costs
//           one copy and an entry's text stays put until the log is cleared
// CLogLine  formats one call: CLogLine("HostMarkRow").Int(id); the entry is
//           recorded when the temporary ends, and nothing is formatted while
//           recording is off
#pragma once

#include <memory>
#include <string>
#include <vector>

class CSimLog {
public:
    CSimLog() : m_enabled(true) {}

    void Enable(bool on) { m_enabled = on; }
    bool IsEnabled() const { return m_enabled; }
    // The reusable buffer a line is formatted in, emptied.
    std::string &StartLine();
    // Records the line formatted since StartLine.
    void CommitLine();

    int Count() const { return static_cast<int>(m_entries.size()); }
    const char *Entry(int i) const;
    void Clear();

private:
    struct CChunk {
        std::unique_ptr<char[]> m_data;
        size_t m_size;
        size_t m_used;
    };
    char *Reserve(size_t bytes);

    std::vector<CChunk> m_chunks;
    std::vector<const char *> m_entries;
    std::string m_line;
    bool m_enabled;
};

class CLogLine {
public:
    explicit CLogLine(const char *name);
    ~CLogLine();
    CLogLine(const CLogLine &) = delete;
    CLogLine &operator=(const CLogLine &) = delete;

    CLogLine &Int(long long value);
    // In double quotes exactly as given; NULL for a null pointer.
    CLogLine &Text(const char *text);
    CLogLine &Handle(const void *handle);

private:
    void Separate();

    std::string *m_line;  // NULL while recording is off
    bool m_first;
};

// The log every host function writes to.
CSimLog &SimCallLog();
