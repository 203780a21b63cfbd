#include "browser/close_edge.h"

#include "browser/edge_windows.h"
#include "uia/actions.h"
#include "uia/liveness.h"

namespace tidemark {

namespace {
constexpr std::int32_t kAnswerWithinMs = 10;
}

bool CloseEdge(Context& context, uia::Ref<uia::Element>& window) {
    if (!uia::IsElementAlive(context, window, kAnswerWithinMs)) return false;
    return uia::CloseWindowOf(context, window);
}

bool CloseEdge(Context& context) {
    uia::Ref<uia::ElementArray> windows;
    if (!FindEdgeWindows(context, windows)) return false;
    for (std::int32_t i = windows->Length() - 1; i >= 0; --i) {
        uia::Ref<uia::Element> window = windows->GetElement(i);
        if (!uia::CloseWindowOf(context, window)) return false;
    }
    return true;
}

}  // namespace tidemark
