// What the drive of the Windows build (scripts/windows-drive.py) asks of Windows itself:
//
//     drive_helper hold TEXT HOLD_MS GAP_MS TOTAL_MS
//
// holds the clipboard open, as another program may: places TEXT on the clipboard, then for
// TOTAL_MS keeps it open HOLD_MS at a time with GAP_MS between (one hold when GAP_MS is 0),
// printing "held" once it first holds it; at the end prints what the clipboard holds.
//
//     drive_helper class TITLE
//
// prints the window class of the visible top-level window titled TITLE ("#32770" for a
// dialog of Windows' own). Linked statically, so it runs from any folder.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::wstring wide(const char* text)
{
    std::wstring result(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0)),
                        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), static_cast<int>(result.size()));
    return result;  // ends with its null
}

void place(const std::wstring& text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), text.data(), text.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
}

void print(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    std::fputs(utf8.c_str(), stdout);
}

// Waits up to two seconds for the clipboard, which Wine's own clipboard manager opens
// for a moment after every change.
bool openWithin2s(HWND owner)
{
    for (int waited = 0; !OpenClipboard(owner); ++waited) {
        if (waited == 2000)
            return false;
        Sleep(1);
    }
    return true;
}

void printHeldText(HWND owner)
{
    if (!openWithin2s(owner))
        return;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        print(static_cast<const wchar_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
    }
    CloseClipboard();
}

int hold(const char* text, DWORD holdMs, DWORD gapMs, DWORD totalMs)
{
    // Opened for a window of its own, as programs do: Wine lets any number of programs
    // open the clipboard for no window at once.
    HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                               nullptr);
    const DWORD end = GetTickCount() + totalMs;
    while (!OpenClipboard(owner))
        Sleep(1);
    place(wide(text));
    std::puts("held");
    std::fflush(stdout);
    do {
        Sleep(holdMs);
        CloseClipboard();
        Sleep(gapMs);
    } while (gapMs > 0 && static_cast<LONG>(end - GetTickCount()) > 0 && OpenClipboard(owner));
    printHeldText(owner);
    return 0;
}

int printWindowClass(const char* title)
{
    HWND window = FindWindowW(nullptr, wide(title).c_str());
    wchar_t name[256] = L"";
    if (!window || !GetClassNameW(window, name, 256))
        return 1;
    print(name);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);  // texts with their line ends as they are
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "hold" && argc == 6)
        return hold(argv[2], std::strtoul(argv[3], nullptr, 10), std::strtoul(argv[4], nullptr, 10),
                    std::strtoul(argv[5], nullptr, 10));
    if (command == "class" && argc == 3)
        return printWindowClass(argv[2]);
    return 2;
}
