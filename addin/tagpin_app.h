// tagpin_app.h - CTagpinApp, the add-in's one state object.
//
// Every bookmark of every project lives in m_marks; the texts and flags next
// to it are all the state the add-in keeps (besides the two menu command ids).
// The exports (exports.cpp) work on the current application object, which in
// the library is the one global instance made in tagpin_app.cpp.
#pragma once

#include "framework/app.h"
#include "store/mark_list.h"

class CTagpinApp : public CWinApp {
public:
    CTagpinApp();
    ~CTagpinApp() override;

    // The framework's Delete slot: in this object it removes the save file.
    // Call it as DeleteSaveFile.
    void Delete() override;
    void DeleteSaveFile() { Delete(); }

    // Start-up, run once by _init after the registrations.
    void Initialize();

    // Names (store/names.cpp): fill m_defaultName with the first generated
    // name no bookmark has, or with a proposal from the selection or the word
    // at the cursor when that is free.
    void GenerateUniqueName();
    void ProposeDefaultName();
    // Project scope (store/project_scope.cpp): 1 when no bookmark belongs to
    // the current project; 1 when a project with a non-empty name is open.
    int NoMarksForCurrentProject();
    int ProjectOpen();

    // Save file (persist/save_file.cpp): where it lies, reading it at start-up,
    // writing it (or removing it when the list is empty) at the finish.
    void ComputeSaveFilePath();
    void LoadMarks();
    void SaveMarks();

    // Reconciliation with the editor's marks (sync/).
    void RefreshFromEditor();
    void CollectEditorMarks(MarkList &collected);
    void DetachVanishedEditorMarks();
    void MergeEditorMarks(const MarkList &collected);

    // Host events and the project switch (addin/events.cpp).
    void OnFinish();
    void OnProjectEnd();
    void OnProjectBegin();
    void ForgetEditorMarks();
    int StateSavingEnabled();
    void SetByProject(int value) { m_byProject = value; }

    // Commands (commands/): place a bookmark at the cursor; show text id of
    // the string table in a message box owned by the host's frame window.
    void AddMark();
    int ShowMessage(unsigned short textId, unsigned short style);
    // Choose a bookmark from the list dialog and go there (commands/).
    void SelectMark();
    void GoToMark(MarkRecord *mark);

    MarkList m_marks;           // every bookmark, of every project
    char m_caption[24];         // caption of the add-in's message boxes
    char m_defaultName[32];     // name proposed or generated last
    char m_saveFilePath[260];   // full path of the save file
    char m_prompt[24];          // prompt for a bookmark's name
    int m_byProject;            // 1: list and name checks limited to the current project
    int m_editorMarksPlaced;    // 1: some bookmark was tied to an editor mark since the last forget
};

// The add-in's state object: the current application object.
CTagpinApp &TagpinApp();
