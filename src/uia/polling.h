#pragma once

// What every wait of the automation layer shares: the 10 ms poll pause,
// readings of the wait clock, and the record that keeps a platform error's
// code instead of letting it propagate.

#include "common/context.h"
#include "common/platform_error.h"

namespace tidemark::uia {

constexpr int kPollMs = 10;
// The fixed limit of the layer's internal checks.
constexpr std::int32_t kInnerLimitMs = 1000;
// What a call on an empty reference fails with.

// Sleep 10 ms, then let the window process its pending messages.
void PollPause(Context& context);
double StartReading(Context& context);
double ElapsedSince(Context& context, double startReading);

// The module state InitAutomation made; PlatformError when it has not run.
Automation& AutomationOf(Context& context);
TreeWalker& WalkerOf(Context& context);

// The object behind a reference; an empty reference fails as a platform call would.
template <class T>
T& Require(const Ref<T>& reference) {
    if (!reference) throw PlatformError(kEPointer, "an empty element reference");
    return *reference;
}

// A stretch in which a failing platform call records its code instead of raising it.
class ErrorRecord {
public:
    template <class Call>
    void Run(Call&& call) {
        try {
            call();
        } catch (const PlatformError& error) {
            code_ = error.code();
        }
    }

    void Clear() { code_ = kSOk; }
    bool failed() const { return code_ != kSOk; }
    // E_FAIL means not there yet; any other code ends a search.
    bool EndsSearch() const { return code_ != kSOk && code_ != kEFail; }
    HResult code() const { return code_; }

private:
    HResult code_ = kSOk;
};

}  // namespace tidemark::uia
