#include "uia/runtime_id.h"

#include "uia/liveness.h"
#include "uia/polling.h"

namespace tidemark::uia {

namespace {
std::int32_t ReadRuntimeId(Context& context, Ref<Element>& element, std::int32_t* extra) {
    Ref<Element> target = element;
    if (!IsElementAlive(context, target, kInnerLimitMs)) return 0;
    try {
        const std::vector<std::int32_t> id = target->GetRuntimeId();
        if (id.size() < 2) return 0;
        if (extra != nullptr) {
            if (id.size() < 6) return 0;
            *extra = id[5];
        }
        return id[1];
    } catch (const PlatformError&) {
        return 0;
    }
}
}  // namespace

std::int32_t GetElementRuntimeId(Context& context, Ref<Element>& element) {
    return ReadRuntimeId(context, element, nullptr);
}

std::int32_t GetElementRuntimeId(Context& context, Ref<Element>& element, std::int32_t& extra) {
    return ReadRuntimeId(context, element, &extra);
}

}  // namespace tidemark::uia
