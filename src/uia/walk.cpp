#include "uia/walk.h"

#include "uia/liveness.h"
#include "uia/polling.h"

namespace tidemark::uia {

bool WalkElement(Context& context, Ref<Element>& result, Ref<Element>& start, std::int16_t direction,
                 std::int16_t count) {
    Ref<Element> origin = start;  // a caller may walk from the reference it fills
    result.reset();
    if (!IsElementAlive(context, origin, kInnerLimitMs)) return false;
    TreeWalker& walker = WalkerOf(context);

    const double startReading = StartReading(context);
    while (!result && ElapsedSince(context, startReading) < kInnerLimitMs) {
        PollPause(context);
        switch (direction) {
            case direction::Parent: result = walker.GetParentElement(origin); break;
            case direction::PreviousSibling: result = walker.GetPreviousSiblingElement(origin); break;
            case direction::FirstChild: result = walker.GetFirstChildElement(origin); break;
            case direction::LastChild: result = walker.GetLastChildElement(origin); break;
            case direction::NextSibling: {
                result = walker.GetNextSiblingElement(origin);
                Ref<Element> reached = origin;
                for (int step = 1; step <= count; ++step) {
                    reached = walker.GetNextSiblingElement(reached);
                    if (!reached) return false;
                    result = reached;
                }
                break;
            }
            default: break;
        }
    }
    return result != nullptr;
}

bool WalkToNextSibling(Context& context, Ref<Element>& result, Ref<Element>& start, std::int16_t count) {
    return WalkElement(context, result, start, direction::NextSibling, count);
}

}  // namespace tidemark::uia
