// mark_list.cpp - the bookmark record and the growable list.
#include "store/mark_list.h"

#include <new>
#include <utility>

static RecordAllocationHook s_allocationHook = nullptr;

void SetRecordAllocationHook(RecordAllocationHook hook) { s_allocationHook = hook; }

static MarkRecord *AllocateRecords(int count) {
    if (s_allocationHook && s_allocationHook(count)) return nullptr;
    return new (std::nothrow) MarkRecord[count];
}

bool MarkRecord::operator==(const MarkRecord &other) const {
    return name == other.name && file == other.file && column == other.column &&
           row == other.row && project == other.project && editorMark == other.editorMark;
}

MarkList::~MarkList() { delete[] m_records; }

// Makes room for 10 more records, or the most from 9 down to 1 that memory
// allows. The records move to the new array in index order.
int MarkList::Grow() {
    for (int step = 10; step >= 1; --step) {
        if (m_count > 2147483647 - step) continue;
        MarkRecord *records = AllocateRecords(m_count + step);
        if (!records) continue;
        for (int i = 0; i < m_count; ++i) records[i] = std::move(m_records[i]);
        delete[] m_records;
        m_records = records;
        m_capacity = m_count + step;
        return 1;
    }
    return 0;
}

int MarkList::Add(const MarkRecord &record) {
    if (m_count == m_capacity && !Grow()) return 0;
    m_records[m_count++] = record;
    return 1;
}

int MarkList::Contains(const MarkRecord &record) const { return IndexOf(record) != MARK_NOT_FOUND; }

int MarkList::IndexOf(const MarkRecord &record) const {
    for (int i = 0; i < m_count; ++i)
        if (m_records[i] == record) return i;
    return MARK_NOT_FOUND;
}

int MarkList::RemoveAt(int index) {
    if (index < 0 || index >= m_count) return 0;
    for (int k = index; k < m_count - 1; ++k) m_records[k] = std::move(m_records[k + 1]);
    --m_count;
    return 1;
}

int MarkList::Remove(const MarkRecord &record) {
    int index = IndexOf(record);
    return index == MARK_NOT_FOUND ? 0 : RemoveAt(index);
}
