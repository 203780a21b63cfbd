#pragma once

// Every object the tree hands out counts itself here
// while it lives, so a reference the program forgets to drop shows.

namespace tidemark::uia_tree {

struct LiveCounts {
    int automations = 0;
    int walkers = 0;
    int elements = 0;
    int arrays = 0;
    int conditions = 0;
    int patterns = 0;

    int total() const { return automations + walkers + elements + arrays + conditions + patterns; }
};

// Held as a member by each handed-out object: counts it for its lifetime.
class LiveToken {
public:
    explicit LiveToken(int& count) : count_(count) { ++count_; }
    ~LiveToken() { --count_; }
    LiveToken(const LiveToken&) = delete;
    LiveToken& operator=(const LiveToken&) = delete;

private:
    int& count_;
};

}  // namespace tidemark::uia_tree
