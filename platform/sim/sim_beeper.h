#pragma once

#include "common/platform.h"

namespace tidemark::sim {

class SimBeeper : public Beeper {
public:
    void Beep() override { ++beeps_; }
    int beeps() const { return beeps_; }

private:
    int beeps_ = 0;
};

}  // namespace tidemark::sim
