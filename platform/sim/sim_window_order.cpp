#include "sim/sim_window_order.h"

namespace tidemark::sim {

void SimWindowOrder::ActivateByTitle(const std::string& title) {
    activatedTitles_.push_back(title);
    calls_.emplace_back(title);
}

void SimWindowOrder::SetWindowPos(std::intptr_t insertAfter, std::uint32_t flags) {
    windowPosCalls_.push_back({insertAfter, flags});
    calls_.emplace_back(WindowPosCall{insertAfter, flags});
    if (insertAfter == kTopmost) topmost_ = true;
    if (insertAfter == kNotTopmost) topmost_ = false;
}

}  // namespace tidemark::sim
