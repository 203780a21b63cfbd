#pragma once

namespace tidemark {

// Marks a stretch of code as running for as long as the guard lives, also
// when it ends by an exception: a caller that comes back into it meanwhile
// (from a message pass inside a wait, or a call made while bringing a tree up
// to date) sees the mark and stays out.
class ReentryGuard {
public:
    explicit ReentryGuard(bool& running) : running_(running) { running_ = true; }
    ~ReentryGuard() { running_ = false; }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

private:
    bool& running_;
};

}  // namespace tidemark
