// sim_textpos.h - positions in a buffer and how edits move them.
//
// CTextPos     a 1-based line and column
// CInsertShape what an insertion looks like to the text behind it
//
// A mark, like the cursor, sits before the character at its column. Text
// inserted at or before that column pushes it along; text deleted around it
// pulls it back to the start of the deleted range.
#pragma once

struct CTextPos {
    int m_line;
    int m_column;
};

inline bool operator<(CTextPos a, CTextPos b) {
    return a.m_line != b.m_line ? a.m_line < b.m_line : a.m_column < b.m_column;
}

struct CInsertShape {
    int m_newlines;    // line breaks in the inserted text
    int m_lastLength;  // length of its last (or only) line
};

// Moves pos for text of that shape inserted at `at` in the same buffer.
void MoveForInsert(CTextPos &pos, CTextPos at, CInsertShape shape);
// Moves pos for the deletion of from..to (to excluded, from < to).
void MoveForDelete(CTextPos &pos, CTextPos from, CTextPos to);
