#pragma once

#include <vector>

#include "common/platform.h"

namespace tidemark::sim {

struct WindowPosCall {
    std::intptr_t insertAfter;
    std::uint32_t flags;
};

class SimWindowOrder : public WindowOrder {
public:
    static constexpr std::intptr_t kTopmost = -1;
    static constexpr std::intptr_t kNotTopmost = -2;

    void ActivateByTitle(const std::string& title) override { activatedTitles_.push_back(title); }
    void SetWindowPos(std::intptr_t insertAfter, std::uint32_t flags) override;

    const std::vector<std::string>& activatedTitles() const { return activatedTitles_; }
    const std::vector<WindowPosCall>& windowPosCalls() const { return windowPosCalls_; }
    bool topmost() const { return topmost_; }

private:
    std::vector<std::string> activatedTitles_;
    std::vector<WindowPosCall> windowPosCalls_;
    bool topmost_ = false;
};

}  // namespace tidemark::sim
