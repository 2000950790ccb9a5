// sim_marks.cpp - placing, finding and moving editor marks.
#include "sim/sim_marks.h"

CSimMarks::CSimMarks() : m_slots(kMaxIndex + 1, CSimMark{0, {0, 0}}), m_lowestFree(1), m_highest(0) {}

int CSimMarks::IndexOf(int id) {
    if ((id & ~kMaxIndex) != kIdBase) return 0;
    return id & kMaxIndex;
}

int CSimMarks::Place(int buffer, CTextPos pos) {
    if (buffer <= 0) return -1;
    while (m_lowestFree <= kMaxIndex && m_slots[m_lowestFree].m_buffer) ++m_lowestFree;
    if (m_lowestFree > kMaxIndex) return -1;
    int index = m_lowestFree++;
    m_slots[index] = CSimMark{buffer, pos};
    if (index > m_highest) m_highest = index;
    return kIdBase | index;
}

bool CSimMarks::Delete(int id) {
    int index = IndexOf(id);
    if (!index || !m_slots[index].m_buffer) return false;
    m_slots[index].m_buffer = 0;
    if (index < m_lowestFree) m_lowestFree = index;
    LowerHighest();
    return true;
}

void CSimMarks::LowerHighest() {
    while (m_highest > 0 && !m_slots[m_highest].m_buffer) --m_highest;
}

const CSimMark *CSimMarks::Find(int id) const {
    int index = IndexOf(id);
    if (!index || !m_slots[index].m_buffer) return nullptr;
    return &m_slots[index];
}

void CSimMarks::DeleteInBuffer(int buffer) {
    for (int i = 1; i <= m_highest; ++i) {
        if (m_slots[i].m_buffer != buffer) continue;
        m_slots[i].m_buffer = 0;
        if (i < m_lowestFree) m_lowestFree = i;
    }
    LowerHighest();
}

void CSimMarks::MoveForInsert(int buffer, CTextPos at, CInsertShape shape) {
    for (int i = 1; i <= m_highest; ++i)
        if (m_slots[i].m_buffer == buffer) ::MoveForInsert(m_slots[i].m_pos, at, shape);
}

void CSimMarks::MoveForDelete(int buffer, CTextPos from, CTextPos to) {
    for (int i = 1; i <= m_highest; ++i)
        if (m_slots[i].m_buffer == buffer) ::MoveForDelete(m_slots[i].m_pos, from, to);
}
