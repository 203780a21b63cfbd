#pragma once

// What a measurement run sees of the window that starts it: the settings it
// measures with (locked while it runs), the status line it writes, and the
// one call back up, which gives up the schedule.

#include <string>

namespace tidemark {

struct RunSettings {
    bool fast = false;
    bool usen = false;
    bool speed = false;
    bool closeEdge = false;
    std::string fileName;
};

class RunHost {
public:
    virtual ~RunHost() = default;
    virtual void SetStatus(const std::string& text) = 0;
    // Sets RunAborted and stops the schedule (cmdStop_Click).
    virtual void AbortSchedule() = 0;
};

}  // namespace tidemark
