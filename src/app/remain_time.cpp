#include "app/remain_time.h"

#include <cmath>
#include <cstdio>

namespace tidemark {

std::string GetRemainTimeText(double seconds) {
    const double whole = std::nearbyint(seconds);  // the default rounding mode: to nearest, ties to even
    const double hours = std::floor(whole / 3600.0);
    const long long rest = static_cast<long long>(whole - hours * 3600.0);
    const long long h = static_cast<long long>(hours);
    char text[48];
    std::snprintf(text, sizeof text, "%s%02lld:%02lld:%02lld", h < 0 ? "-" : "", h < 0 ? -h : h, rest / 60, rest % 60);
    return text;
}

}  // namespace tidemark
