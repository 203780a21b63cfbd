#include "browser/window_state.h"

#include "uia/liveness.h"
#include "uia/polling.h"
#include "uia/target.h"

namespace tidemark {

namespace {
namespace visual_state = uia::visual_state;

constexpr std::int32_t kWindowAnswerMs = 100;

// The property as a number, as an untyped value converts: nothing is 0.
std::int32_t IntegerOf(const uia::PropertyValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
    return 0;
}
}  // namespace

bool EdgeWindowAnswers(Context& context, uia::Ref<uia::Element>& window) {
    return uia::IsElementAlive(context, window, kWindowAnswerMs);
}

bool IsWindowMinimised(uia::Element& window) {
    return IntegerOf(window.GetCurrentPropertyValue(uia::property::WindowVisualState)) == visual_state::Minimized;
}

bool SetEdgeWindowState(Context& context, uia::Ref<uia::Element>& window, std::int32_t state) {
    if (!uia::IsElementAlive(context, window, uia::kInnerLimitMs)) return false;
    uia::Element& element = uia::Require(window);
    const std::string kind = element.CurrentLocalizedControlType();
    if (kind != "Window" && kind != "ウィンドウ") return false;
    if (IntegerOf(element.GetCurrentPropertyValue(uia::property::WindowVisualState)) == state) return true;

    const auto pattern = uia::FetchPattern<uia::WindowPattern>(context, window, uia::property::IsWindowPatternAvailable,
                                                               uia::pattern::Window);
    if (!pattern) return false;
    switch (state) {
        case visual_state::Normal: pattern->SetWindowVisualState(visual_state::Normal); break;
        case visual_state::Maximized:
            if (pattern->CurrentCanMaximize()) pattern->SetWindowVisualState(visual_state::Maximized);
            break;
        case visual_state::Minimized:
            if (pattern->CurrentCanMinimize()) pattern->SetWindowVisualState(visual_state::Minimized);
            break;
        default: break;
    }
    return true;
}

}  // namespace tidemark
