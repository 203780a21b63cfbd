#pragma once

// Stands in for the window's message loop: each DoEvents pass runs the
// hooks tests install (a due timer tick, a click), so re-entry shows.

#include <functional>
#include <map>

#include "common/platform.h"

namespace tidemark::sim {

class SimMessagePump : public MessagePump {
public:
    using Hook = std::function<void()>;
    using HookId = int;

    void DoEvents() override;

    // Runs on every later pass until removed; a hook may add or remove hooks.
    HookId OnEachPass(Hook hook);
    void Remove(HookId id);

    int passCount() const { return passCount_; }
    // How deep DoEvents calls are nested right now (1 inside a hook).
    int depth() const { return depth_; }

private:
    std::map<HookId, Hook> hooks_;
    HookId nextId_ = 1;
    int passCount_ = 0;
    int depth_ = 0;
};

}  // namespace tidemark::sim
