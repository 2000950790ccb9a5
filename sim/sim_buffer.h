// sim_buffer.h - one buffer of the simulated editor.
//
// CSimBuffer  a file path, its text as lines, and a cursor
//
// Lines and columns are 1-based. Editing past the end of a line or of the
// text first fills the gap with blanks or empty lines, as an editor with
// virtual space does.
#pragma once

#include <string>
#include <vector>

#include "sim/sim_textpos.h"

class CSimBuffer {
public:
    CSimBuffer(int id, const std::string &path, const char *text);

    int Id() const { return m_id; }
    const std::string &Path() const { return m_path; }
    bool IsOpen() const { return m_open; }
    void Close() { m_open = false; }

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    // The lines joined with '\n'.
    std::string Text() const;

    CTextPos Cursor() const { return m_cursor; }
    void SetCursor(CTextPos pos) { m_cursor = pos; }
    // The nearest place inside the text (line 1..LineCount, column >= 1).
    CTextPos ClampToText(CTextPos pos) const;

    // Inserts text at `at`; false (nothing done) for a place out of reach.
    bool Insert(CTextPos at, const char *text, CInsertShape &shape);
    // Deletes from..to (to excluded), first ordering the two and cutting them
    // to the text; false when nothing is left to delete.
    bool Delete(CTextPos &from, CTextPos &to);
    // The run of letters, digits and underscores under or just before pos.
    bool WordAt(CTextPos pos, std::string &word) const;

private:
    bool PadTo(CTextPos at);
    bool ClampRange(CTextPos &from, CTextPos &to) const;

    int m_id;
    std::string m_path;
    std::vector<std::string> m_lines;
    CTextPos m_cursor;
    bool m_open;
};

// Text split at '\n' (a '\r' before it dropped); at least one line.
std::vector<std::string> SplitLines(const char *text);
