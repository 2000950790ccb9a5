// sync.h - reconciling the bookmark list with the editor's marks.
//
// What this folder offers is four members of CTagpinApp (addin/tagpin_app.h):
//   RefreshFromEditor          collect, detach and merge, in that order
//   CollectEditorMarks         one record per live editor mark (collect.cpp)
//   DetachVanishedEditorMarks  unties bookmarks whose mark is gone (refresh.cpp)
//   MergeEditorMarks           follows, unties, ties, twins and adopts (merge.cpp)
// and the way the editor's mark ids are scanned, below.
#pragma once

// The editor numbers its marks 0x2000 plus a 12-bit index; the scan of n
// marks asks for the ids of the indexes 1, 2, ... n, of which only the low 12
// bits count. So the index 4096 gives 0x2000 and from there the ids repeat.
enum {
    EDITOR_MARK_ID_BASE = 0x2000,
    EDITOR_MARK_INDEX_MASK = 0xFFF,
    EDITOR_MARK_IDS = 4096  // distinct ids the scan can produce
};

// The id asked for at scan position i (0-based).
inline int EditorMarkId(int i) { return ((i + 1) & EDITOR_MARK_INDEX_MASK) | EDITOR_MARK_ID_BASE; }

// How many scan positions are visited when the editor reports count marks:
// none for a count of 0 or below, and never more than the 4,096 distinct ids.
// Visiting an id twice would collect the same mark twice, and the merge would
// then adopt an unaccounted mark once for every repetition.
inline int ScannedMarkPositions(int count) {
    if (count <= 0) return 0;
    return count < EDITOR_MARK_IDS ? count : EDITOR_MARK_IDS;
}
