// tphost_shot.h - screenshots of the add-in's windows for the demo.
#pragma once

#include <windows.h>

#include <string>

// Writes what the screen shows of window and the window that owns it (the
// editor's frame) to a 24-bit BMP file NAME.bmp in the folder named by the
// environment variable TPHOST_SHOTS (else the current folder). The path
// written, or "" when it could not be written.
std::string SaveScreenshot(HWND window, const std::string &name);
