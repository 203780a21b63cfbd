#include "uia/liveness.h"

#include "uia/polling.h"

namespace tidemark::uia {

namespace {
bool Answers(Context& context, Element& target, std::int32_t timeoutMs) {
    ErrorRecord record;
    auto readName = [&] { record.Run([&] { (void)target.CurrentName(); }); };
    readName();
    if (!record.failed()) return true;
    const double start = StartReading(context);
    while (ElapsedSince(context, start) < timeoutMs && record.failed()) {
        PollPause(context);
        record.Clear();
        readName();
    }
    return !record.failed();
}
}  // namespace

bool IsElementAlive(Context& context, Ref<Element>& target, std::int32_t timeoutMs) {
    if (!target) return false;
    const Ref<Element> held = target;  // a message handler may drop the caller's reference meanwhile
    return Answers(context, *held, timeoutMs);
}

bool IsElementAlive(Context& context, Ref<ElementArray>& target, std::int32_t timeoutMs) {
    if (!target) return false;
    Ref<Element> first;
    // A liveness check answers every platform error with false.
    try {
        if (target->Length() == 0) return true;
        first = target->GetElement(0);
    } catch (const PlatformError&) {
        return false;
    }
    if (!first) return false;
    return Answers(context, *first, timeoutMs);
}

}  // namespace tidemark::uia
