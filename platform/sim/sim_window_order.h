#pragma once

#include <string>
#include <variant>
#include <vector>

#include "common/platform.h"

namespace tidemark::sim {

struct WindowPosCall {
    std::intptr_t insertAfter;
    std::uint32_t flags;
};

// An activation by title or a SetWindowPos, so tests can see the two in the order they came.
using WindowOrderCall = std::variant<std::string, WindowPosCall>;

class SimWindowOrder : public WindowOrder {
public:
    static constexpr std::intptr_t kTopmost = -1;
    static constexpr std::intptr_t kNotTopmost = -2;

    void ActivateByTitle(const std::string& title) override;
    void SetWindowPos(std::intptr_t insertAfter, std::uint32_t flags) override;

    const std::vector<std::string>& activatedTitles() const { return activatedTitles_; }
    const std::vector<WindowPosCall>& windowPosCalls() const { return windowPosCalls_; }
    const std::vector<WindowOrderCall>& calls() const { return calls_; }
    bool topmost() const { return topmost_; }

private:
    std::vector<std::string> activatedTitles_;
    std::vector<WindowPosCall> windowPosCalls_;
    std::vector<WindowOrderCall> calls_;
    bool topmost_ = false;
};

}  // namespace tidemark::sim
