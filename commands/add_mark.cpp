// add_mark.cpp - placing a named bookmark at the cursor, and the add-in's
// message box.
#include "addin/tagpin_app.h"
#include "framework/msgbox.h"
#include "host/host.h"
#include "res/resource.h"
#include "store/names.h"

#include <string.h>

// Asks for a name until the user gives a free one or none; a name in use is
// refused with a message and the same prompt and default again. The new
// bookmark is tied to an editor mark placed at the cursor.
void CTagpinApp::AddMark() {
    ProposeDefaultName();
    char name[MAX_NAME_LENGTH + 1];
    for (;;) {
        const char *answer = HostPrompt("TAGPIN", m_prompt, m_defaultName);
        if (!answer) return;
        FwCopyText(name, sizeof name, answer);
        if (!NameInUse(&m_marks, CString(name), m_byProject)) break;
        ShowMessage(IDS_NAME_IN_USE, MB_ICONEXCLAMATION | MB_OK);
    }
    MarkRecord record;
    record.name = name;
    record.editorMark = HostMarkPlace();
    m_editorMarksPlaced = 1;
    record.file = HostBufferFileName();
    record.row = HostMarkRow(record.editorMark);
    record.column = HostMarkColumn(record.editorMark);
    record.project = HostCurrentProject();
    m_marks.Add(record);
}

int CTagpinApp::ShowMessage(unsigned short textId, unsigned short style) {
    CString loaded;
    loaded.LoadString(textId);
    char text[56];
    FwCopyText(text, sizeof text, loaded);
    HWND owner = HostFrameWindow();
    return FwMessageBox(owner, text, m_caption, style);
}
