// tphost_shot.cpp - copying a part of the screen into a BMP file.
#include "sim/tphost/tphost_shot.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The window and its root owner together, as they stand on the screen.
RECT ShotRect(HWND window) {
    RECT shot, owner;
    GetWindowRect(window, &shot);
    HWND root = GetAncestor(window, GA_ROOTOWNER);
    if (root && root != window && GetWindowRect(root, &owner)) UnionRect(&shot, &shot, &owner);
    return shot;
}

bool WriteBmp(const std::string &path, int width, int height, const std::vector<BYTE> &pixels) {
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + (DWORD)pixels.size();
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(&header, sizeof header, 1, file) == 1 &&
                   std::fwrite(&info, sizeof info, 1, file) == 1 &&
                   std::fwrite(pixels.data(), 1, pixels.size(), file) == pixels.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

std::string SaveScreenshot(HWND window, const std::string &name) {
    RECT r = ShotRect(window);
    int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return "";
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<BYTE> pixels((size_t)((width * 3 + 3) & ~3) * height);
    int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const char *folder = std::getenv("TPHOST_SHOTS");
    std::string path = std::string(folder && *folder ? folder : ".") + "\\" + name + ".bmp";
    return rows == height && WriteBmp(path, width, height, pixels) ? path : "";
}
