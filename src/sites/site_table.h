#pragma once

// The three measurement services: the page each run opens and the title
// that shows the page is there. The window's tooltips show the same addresses.

#include <string_view>

namespace tidemark {

struct Site {
    std::string_view label;
    std::string_view title;
    std::string_view address;
};

inline constexpr Site kSiteFAST{"FAST", "インターネット回線の速度テスト | Fast.com", "https://fast.com/ja/"};
inline constexpr Site kSiteUSEN{"USEN", "インターネット回線スピードテスト・通信速度測定 | USEN GATE 02",
                                "https://speedtest.gate02.ne.jp/"};
inline constexpr Site kSiteSPEED{"SPEED", "Speedtest by Ookla - The Global Broadband Speed Test",
                                 "https://www.speedtest.net/"};

}  // namespace tidemark
