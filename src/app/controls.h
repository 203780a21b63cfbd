#pragma once

// The state of the window's controls as the window toolkit shows it. The
// toolkit layers draw these and write back what the user changes.

#include <string>

namespace tidemark {

struct CheckBox {
    int Value = 0;  // 0 unchecked, 1 checked
    bool Enabled = true;
};

struct TextBox {
    std::string Text;
    bool Enabled = true;
};

struct CommandButton {
    bool Enabled = true;
};

// Disabling the frame locks every control inside it.
struct Frame {
    bool Enabled = true;
};

struct Label {
    std::string Caption;
};

struct Timer {
    bool Enabled = false;
    int Interval = 500;  // milliseconds
};

}  // namespace tidemark
