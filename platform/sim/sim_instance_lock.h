#pragma once

#include "common/platform.h"

namespace tidemark::sim {

class SimInstanceLock : public InstanceLock {
public:
    bool TryAcquire() override {
        ++attempts_;
        return !heldByAnother_;
    }

    // Another running copy of the program holds the lock.
    void SetHeldByAnother(bool held) { heldByAnother_ = held; }
    int attempts() const { return attempts_; }

private:
    bool heldByAnother_ = false;
    int attempts_ = 0;
};

}  // namespace tidemark::sim
