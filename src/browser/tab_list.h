#pragma once

#include <cstdint>
#include <variant>

#include "browser/tab_info.h"
#include "common/context.h"

namespace tidemark {

constexpr std::int16_t kNoTab = -9;

// Where GetTabList puts tab records, if anywhere: a list that gets one record
// per tab, or a single slot for the selected tab's record.
using TabInfoOutput = std::variant<std::monostate, TabInfoList*, TabInfoRef*>;

// The window's tab items, in the strip's order, after bringing the window to
// its normal state. With `selectedPos`, also the selected tab's position (or
// kNoTab), scanning no further than that tab unless records are asked for;
// records are made only together with the position. Outputs are left as far
// as they were filled when it fails.
bool GetTabList(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::ElementArray>& tabs,
                uia::Ref<uia::Element>& browserView, std::int16_t* selectedPos = nullptr, TabInfoOutput tabInfos = {});

// A new record in `info`, filled from the tab; the address bar's text only
// for the selected tab.
bool GetTabInfo(Context& context, uia::Ref<uia::Element>& tab, uia::Ref<uia::Element>& browserView, TabInfoRef& info);

}  // namespace tidemark
