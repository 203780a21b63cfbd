#pragma once

#include <string>

namespace tidemark::chromium {

// Sends the browser to local copies of the measurement pages instead of the
// services: with the base "http://127.0.0.1:8080/", "https://fast.com/ja/"
// opens "http://127.0.0.1:8080/fast.com/ja/". Only the Linux build reads it,
// from TIDEMARK_LOCAL_SITES; with no base every address goes unchanged.
class SiteRedirect {
public:
    static constexpr const char* kVariable = "TIDEMARK_LOCAL_SITES";

    SiteRedirect() = default;
    explicit SiteRedirect(std::string base);
    static SiteRedirect FromEnvironment();

    // Web addresses (http, https) go to the base; any other goes unchanged.
    std::string Apply(const std::string& address) const;
    const std::string& base() const { return base_; }

private:
    std::string base_;  // ends with '/' unless empty
};

}  // namespace tidemark::chromium
