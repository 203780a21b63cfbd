#pragma once

// How Form1 looks: its controls with their captions, design values and
// positions, from which each toolkit builds its window.

#include <span>
#include <string_view>

namespace tidemark {

enum class ControlKind { CheckBox, TextBox, CommandButton, Frame, Label, Timer };

// Twips (1/1440 inch; 15 twips make a pixel at 96 dpi), relative to the container.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlDescription {
    std::string_view name;
    int index = -1;  // position in a control array (Label1), else -1
    ControlKind kind = ControlKind::Label;
    std::string_view container;  // "Frame1", or empty for the window itself
    std::string_view caption;    // caption or text at design; '&' marks the access key
    TwipRect position;
    int tabIndex = -1;        // -1: takes no focus
    int designValue = 0;      // check boxes: 1 checked at design
    double fontPoints = 0.0;  // 0: the window's font size
    std::string_view toolTip;
};

struct FormDescription {
    std::string_view caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0;
    std::string_view fontName;
    double fontPoints = 0.0;
};

const FormDescription& Form1Description();

// Every control, those that take focus first in their tab order.
std::span<const ControlDescription> Form1Controls();

// The control of that name (and array index); throws std::out_of_range for an unknown one.
const ControlDescription& Form1Control(std::string_view name, int index = -1);

inline constexpr int kTwipsPerPixelAt96Dpi = 15;

}  // namespace tidemark
