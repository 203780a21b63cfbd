#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chromium/page_snapshot.h"
#include "uia/ids.h"

namespace tidemark::chromium {

// The control types uia/ids.h does not name, for roles a page may hold.
namespace control {
using namespace uia::control;
constexpr uia::ControlType CheckBox = 50002;
constexpr uia::ControlType ComboBox = 50003;
constexpr uia::ControlType Edit = 50004;
constexpr uia::ControlType ListItem = 50007;
constexpr uia::ControlType Menu = 50009;
constexpr uia::ControlType MenuBar = 50010;
constexpr uia::ControlType MenuItem = 50011;
constexpr uia::ControlType ProgressBar = 50012;
constexpr uia::ControlType RadioButton = 50013;
constexpr uia::ControlType ScrollBar = 50014;
constexpr uia::ControlType Slider = 50015;
constexpr uia::ControlType Spinner = 50016;
constexpr uia::ControlType StatusBar = 50017;
constexpr uia::ControlType Tab = 50018;
constexpr uia::ControlType ToolBar = 50021;
constexpr uia::ControlType ToolTip = 50022;
constexpr uia::ControlType Tree = 50023;
constexpr uia::ControlType TreeItem = 50024;
constexpr uia::ControlType Thumb = 50027;
constexpr uia::ControlType DataItem = 50029;
constexpr uia::ControlType HeaderItem = 50035;
constexpr uia::ControlType Table = 50036;
constexpr uia::ControlType Separator = 50038;
}  // namespace control

// One element of the page's control view, as Edge's UI Automation shows it.
struct ControlElement {
    uia::ControlType controlType = 0;
    std::string name;
    std::string automationId;
    std::string className;
    // The accessibility node it stands for, and that node's DOM node: what ties
    // the element to the live page later.
    std::string axNodeId;
    std::optional<std::int64_t> backendNodeId;
    std::vector<ControlElement> children;  // in document order
};

// The page document and, under it, the control view of the page as Chromium's
// Windows provider shows it. Pure: the rule is written down in README.md. Throws PlatformError kInvalidData when
// the snapshot has no root web area.
ControlElement BuildControlView(const PageSnapshot& snapshot);

}  // namespace tidemark::chromium
