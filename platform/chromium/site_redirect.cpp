#include "chromium/site_redirect.h"

#include <cstdlib>

namespace tidemark::chromium {

SiteRedirect::SiteRedirect(std::string base) : base_(std::move(base)) {
    if (!base_.empty() && base_.back() != '/') base_.push_back('/');
}

SiteRedirect SiteRedirect::FromEnvironment() {
    const char* base = std::getenv(kVariable);
    return SiteRedirect(base == nullptr ? std::string() : std::string(base));
}

std::string SiteRedirect::Apply(const std::string& address) const {
    if (base_.empty() || address.compare(0, base_.size(), base_) == 0) return address;
    for (const std::string scheme : {"https://", "http://"}) {
        if (address.compare(0, scheme.size(), scheme) == 0) return base_ + address.substr(scheme.size());
    }
    return address;
}

}  // namespace tidemark::chromium
