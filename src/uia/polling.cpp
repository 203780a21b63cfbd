#include "uia/polling.h"

#include "common/wait_clock.h"

namespace tidemark::uia {

void PollPause(Context& context) {
    context.platform.sleeper.Sleep(kPollMs);
    context.platform.pump.DoEvents();
}

double StartReading(Context& context) { return ReadWaitClock(context.platform.clock); }

double ElapsedSince(Context& context, double startReading) { return ElapsedMs(context.platform.clock, startReading); }

Automation& AutomationOf(Context& context) {
    if (!context.automation.automation) throw PlatformError(kEPointer, "UI Automation is not set up");
    return *context.automation.automation;
}

TreeWalker& WalkerOf(Context& context) {
    if (!context.automation.walker) throw PlatformError(kEPointer, "UI Automation is not set up");
    return *context.automation.walker;
}

}  // namespace tidemark::uia
