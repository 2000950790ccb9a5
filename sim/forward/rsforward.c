/* rsforward.c - entry of a library whose exports all forward to rssim.dll.
 * It has nothing to start or stop; the loader only needs an entry to call. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

BOOL WINAPI RsForwardEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
