// sim_textpos.cpp - how inserted and deleted text moves a position.
#include "sim/sim_textpos.h"

void MoveForInsert(CTextPos &pos, CTextPos at, CInsertShape shape) {
    if (pos.m_line != at.m_line) {
        if (pos.m_line > at.m_line) pos.m_line += shape.m_newlines;
        return;
    }
    if (pos.m_column < at.m_column) return;
    if (shape.m_newlines == 0) {
        pos.m_column += shape.m_lastLength;
        return;
    }
    // The line is split: what followed the insertion point now follows the
    // last inserted line.
    pos.m_line += shape.m_newlines;
    pos.m_column = pos.m_column - at.m_column + 1 + shape.m_lastLength;
}

void MoveForDelete(CTextPos &pos, CTextPos from, CTextPos to) {
    if (pos < from) return;
    if (pos < to) {
        pos = from;
        return;
    }
    if (pos.m_line == to.m_line) pos.m_column = from.m_column + (pos.m_column - to.m_column);
    pos.m_line -= to.m_line - from.m_line;
}
