// mark_list.cpp - the bookmark record and the growable list.
#include "store/mark_list.h"

#include <stddef.h>

#include <new>
#include <utility>

static RecordAllocationHook s_allocationHook = nullptr;

void SetRecordAllocationHook(RecordAllocationHook hook) { s_allocationHook = hook; }

// Raw storage for count records, or null when memory cannot be had.
static MarkRecord *AllocateStorage(int count) {
    if (s_allocationHook && s_allocationHook(count)) return nullptr;
    if ((size_t)count > (size_t)-1 / sizeof(MarkRecord)) return nullptr;
    return static_cast<MarkRecord *>(::operator new(count * sizeof(MarkRecord), std::nothrow));
}

bool MarkRecord::operator==(const MarkRecord &other) const {
    return name == other.name && file == other.file && column == other.column &&
           row == other.row && project == other.project && editorMark == other.editorMark;
}

MarkList::~MarkList() { DestroyAll(); }

void MarkList::DestroyAll() {
    for (int i = 0; i < m_capacity; ++i) m_records[i].~MarkRecord();
    ::operator delete(m_records);
}

// Moves the constructed records into new storage for storage records.
bool MarkList::MoveToStorage(int storage) {
    MarkRecord *records = AllocateStorage(storage);
    if (!records) return false;
    for (int i = 0; i < m_capacity; ++i) new (&records[i]) MarkRecord(std::move(m_records[i]));
    int capacity = m_capacity;
    DestroyAll();
    m_records = records;
    m_capacity = capacity;
    m_storage = storage;
    return true;
}

// Makes the capacity exactly capacity, with default records in the new
// places. New storage is asked for with room for as many records again, and
// when that cannot be had, for just enough.
bool MarkList::GrowTo(int capacity) {
    if (capacity > m_storage) {
        int roomy = capacity <= 1073741823 - m_storage ? capacity + m_storage : capacity;
        if (!MoveToStorage(roomy) && !MoveToStorage(capacity)) return false;
    }
    for (; m_capacity < capacity; ++m_capacity) new (&m_records[m_capacity]) MarkRecord();
    return true;
}

// Makes room for 10 more records, or the most from 9 down to 1 that memory
// allows.
int MarkList::Grow() {
    for (int step = 10; step >= 1; --step) {
        if (m_count > 2147483647 - step) continue;
        if (GrowTo(m_count + step)) return 1;
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
