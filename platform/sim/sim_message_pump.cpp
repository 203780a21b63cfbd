#include "sim/sim_message_pump.h"

#include <vector>

#include "common/nesting_count.h"

namespace tidemark::sim {

void SimMessagePump::DoEvents() {
    ++passCount_;
    const NestingCount inside(depth_);
    // A hook may change the set; run the ones present when the pass began, if still there.
    std::vector<HookId> ids;
    for (const auto& entry : hooks_) ids.push_back(entry.first);
    for (HookId id : ids) {
        auto found = hooks_.find(id);
        if (found == hooks_.end()) continue;
        Hook hook = found->second;  // a copy: the hook may remove itself
        hook();
    }
}

SimMessagePump::HookId SimMessagePump::OnEachPass(Hook hook) {
    const HookId id = nextId_++;
    hooks_.emplace(id, std::move(hook));
    return id;
}

void SimMessagePump::Remove(HookId id) { hooks_.erase(id); }

}  // namespace tidemark::sim
