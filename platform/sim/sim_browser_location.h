#pragma once

#include "common/platform.h"

namespace tidemark::sim {

// The browser's registered place, as a test sets it; none at first.
class SimBrowserLocation : public BrowserLocation {
public:
    std::optional<std::string> FindInstalled() override {
        ++asked_;
        return installed_;
    }
    void SetInstalled(std::optional<std::string> path) { installed_ = std::move(path); }
    int asked() const { return asked_; }

private:
    std::optional<std::string> installed_;
    int asked_ = 0;
};

}  // namespace tidemark::sim
