#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/array_utils.h"
#include "uia/automation.h"

namespace tidemark {

// One tab of an Edge window as it was when the record was filled.
class clsTabInfo {
public:
    uia::Ref<uia::Element> elmTab;
    bool Selected = false;
    std::int32_t hTab = 0;    // runtime id, position 1
    std::int32_t hTabId = 0;  // runtime id, position 5
    std::string Title;
    std::string Url;  // the address bar's text, for the selected tab only
};

// Records are held by reference, as objects are; a slot may be empty.
using TabInfoRef = std::shared_ptr<clsTabInfo>;
using TabInfoList = DynamicList<TabInfoRef>;

}  // namespace tidemark
