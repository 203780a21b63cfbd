#include "window_test_input.h"

#include <vector>

namespace tidemark::win32::testing {

namespace {
void Send(std::vector<INPUT>& inputs) { SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); }

INPUT Key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT Character(wchar_t character, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

INPUT Button(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}
}  // namespace

void ClickOn(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    std::vector<INPUT> inputs{Button(MOUSEEVENTF_LEFTDOWN), Button(MOUSEEVENTF_LEFTUP)};
    Send(inputs);
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) inputs.push_back(Key(key, false));
    for (auto key = keys.end(); key != keys.begin();) inputs.push_back(Key(*--key, true));
    Send(inputs);
}

void TypeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (const wchar_t character : text) {
        inputs.push_back(Character(character, false));
        inputs.push_back(Character(character, true));
    }
    Send(inputs);
}

}  // namespace tidemark::win32::testing
