#pragma once

#include <cstdint>

namespace tidemark::uia {

using PropertyId = std::int32_t;
using PatternId = std::int32_t;
using ControlType = std::int32_t;
using TreeScope = std::int32_t;

namespace property {
constexpr PropertyId ControlType = 30003;
constexpr PropertyId LocalizedControlType = 30004;
constexpr PropertyId Name = 30005;
constexpr PropertyId AutomationId = 30011;
constexpr PropertyId ClassName = 30012;
constexpr PropertyId IsInvokePatternAvailable = 30031;
constexpr PropertyId IsSelectionItemPatternAvailable = 30036;
constexpr PropertyId IsValuePatternAvailable = 30043;
constexpr PropertyId IsWindowPatternAvailable = 30044;
constexpr PropertyId ValueValue = 30045;
constexpr PropertyId WindowVisualState = 30075;
constexpr PropertyId SelectionItemIsSelected = 30079;
constexpr PropertyId LegacyIAccessibleName = 30092;
}  // namespace property

namespace pattern {
constexpr PatternId Invoke = 10000;
constexpr PatternId Value = 10002;
constexpr PatternId Window = 10009;
constexpr PatternId SelectionItem = 10010;
}  // namespace pattern

namespace control {
// Every UI Automation control type, by UIAutomationClient.h's numbers.
constexpr ControlType Button = 50000;
constexpr ControlType Calendar = 50001;
constexpr ControlType CheckBox = 50002;
constexpr ControlType ComboBox = 50003;
constexpr ControlType Edit = 50004;
constexpr ControlType Hyperlink = 50005;
constexpr ControlType Image = 50006;
constexpr ControlType ListItem = 50007;
constexpr ControlType List = 50008;
constexpr ControlType Menu = 50009;
constexpr ControlType MenuBar = 50010;
constexpr ControlType MenuItem = 50011;
constexpr ControlType ProgressBar = 50012;
constexpr ControlType RadioButton = 50013;
constexpr ControlType ScrollBar = 50014;
constexpr ControlType Slider = 50015;
constexpr ControlType Spinner = 50016;
constexpr ControlType StatusBar = 50017;
constexpr ControlType Tab = 50018;
constexpr ControlType TabItem = 50019;
constexpr ControlType Text = 50020;
constexpr ControlType ToolBar = 50021;
constexpr ControlType ToolTip = 50022;
constexpr ControlType Tree = 50023;
constexpr ControlType TreeItem = 50024;
constexpr ControlType Custom = 50025;
constexpr ControlType Group = 50026;
constexpr ControlType Thumb = 50027;
constexpr ControlType DataGrid = 50028;
constexpr ControlType DataItem = 50029;
constexpr ControlType Document = 50030;
constexpr ControlType SplitButton = 50031;
constexpr ControlType Window = 50032;
constexpr ControlType Pane = 50033;
constexpr ControlType Header = 50034;
constexpr ControlType HeaderItem = 50035;
constexpr ControlType Table = 50036;
constexpr ControlType TitleBar = 50037;
constexpr ControlType Separator = 50038;
constexpr ControlType SemanticZoom = 50039;
constexpr ControlType AppBar = 50040;
}  // namespace control

namespace scope {
constexpr TreeScope Children = 2;
constexpr TreeScope Subtree = 7;
// Not a UI Automation scope: the element passed in is itself the target.
constexpr TreeScope Self = -9;
}  // namespace scope

// CreatePropertyConditionEx flags.
constexpr std::int32_t kMatchExact = 0;
constexpr std::int32_t kMatchSubstring = 2;

// WindowVisualState values.
namespace visual_state {
constexpr std::int32_t Normal = 0;
constexpr std::int32_t Maximized = 1;
constexpr std::int32_t Minimized = 2;
}  // namespace visual_state

}  // namespace tidemark::uia
