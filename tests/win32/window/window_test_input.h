#pragma once

// Input for the window tests as the user gives it: SendInput puts mouse and
// key events into the system's input queue, and the window's own message
// processing (with IsDialogMessageW) takes them from there.

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace tidemark::win32::testing {

// Moves the pointer to the middle of the control and presses and releases
// the left button there.
void ClickOn(HWND control);

// Presses the keys in order and releases them in reverse: {VK_MENU, 'S'} is Alt+S.
void PressKeys(std::initializer_list<WORD> keys);

// Types text into the focused control, one character at a time.
void TypeText(std::wstring_view text);

}  // namespace tidemark::win32::testing
