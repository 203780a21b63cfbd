#pragma once

namespace tidemark {

// Counts one more level of a stretch of code that may run inside itself (a
// message pass inside a message pass) for as long as it lives, also when the
// stretch ends by an exception.
class NestingCount {
public:
    explicit NestingCount(int& depth) : depth_(depth) { ++depth_; }
    ~NestingCount() { --depth_; }
    NestingCount(const NestingCount&) = delete;
    NestingCount& operator=(const NestingCount&) = delete;

private:
    int& depth_;
};

}  // namespace tidemark
