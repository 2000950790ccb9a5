// sim_marks.h - the editor marks of the simulated editor.
//
// CSimMark   the buffer and place of one mark
// CSimMarks  the table of marks: ids 0x2000 | index, index 1..4095, each new
//            mark taking the lowest free index
#pragma once

#include <vector>

#include "sim/sim_textpos.h"

struct CSimMark {
    int m_buffer;  // 0: the slot is free
    CTextPos m_pos;
};

class CSimMarks {
public:
    enum { kMaxIndex = 0xFFF, kIdBase = 0x2000 };

    CSimMarks();
    // The new mark's id, or -1 when every index is taken or buffer is not an id.
    int Place(int buffer, CTextPos pos);
    bool Delete(int id);
    // The mark with that id, or NULL for anything that is not one.
    const CSimMark *Find(int id) const;
    // The highest index in use; 0 without marks.
    int HighestIndex() const { return m_highest; }
    void DeleteInBuffer(int buffer);
    void MoveForInsert(int buffer, CTextPos at, CInsertShape shape);
    void MoveForDelete(int buffer, CTextPos from, CTextPos to);

private:
    static int IndexOf(int id);
    void LowerHighest();

    std::vector<CSimMark> m_slots;  // by index; slot 0 unused
    int m_lowestFree;               // no free index lies below it
    int m_highest;
};
