// dllmain_win.cpp - the library entry: start the application object on load,
// stop it on unload. The C++ runtime constructs the globals before this runs
// and destroys them after it returns from the detach.
#include "framework/app.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(instance);
        return FwLibraryAttach(instance);
    case DLL_PROCESS_DETACH:
        FwLibraryDetach();
        break;
    }
    return TRUE;
}
