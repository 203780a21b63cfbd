#include "chromium/control_view.h"

#include "control_outline.h"

#include <stdlib.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "chromium/chromium_process.h"
#include "headless_tab_suite.h"

namespace tidemark::chromium {
namespace {

using nlohmann::json;
using namespace std::chrono_literals;

std::string PercentEncoded(const std::string& text) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || byte == '-' || byte == '_' || byte == '.' || byte == '~') {
            out.push_back(c);
        } else {
            out += {'%', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return out;
}

class ControlViewChromium : public HeadlessTabSuite {
protected:
    static void SetUpTestSuite() { StartBrowser("control-view"); }

    // The page's control view once its load event has fired.
    static ControlElement ViewOf(const std::string& html) {
        Navigate("data:text/html;charset=utf-8," + PercentEncoded(html));
        return BuildControlView(FetchPageSnapshot(browser_->devtools(), session_));
    }
};

TEST_F(ControlViewChromium, FastShapedPageGivesButtonLabelValueAndUnitAsConsecutiveDocumentChildren) {
    const ControlElement document = ViewOf(R"(<!DOCTYPE html><html lang="ja"><head><title>Internet Speed Test | Fast.com</title></head>
<body class="page">
  <div class="speed-progress-indicator circle succeeded"><div class="spinner"></div></div>
  <div>
    <div>
      <button>日本語 <span class="icon">&#xE313;</span></button>
      <div>
        <label><svg width="8" height="8"><circle cx="4" cy="4" r="4"/></svg><span class="speed-label">お使いのインターネットの速度:</span></label>
        <div class="speed-results-container succeeded" id="speed-value">94</div>
        <span id="speed-units" class="speed-units-container succeeded">Mbps</span>
      </div>
    </div>
  </div>
</body></html>)");
    EXPECT_EQ(Outline(document),
              "50030 'Internet Speed Test | Fast.com' #RootWebArea\n"
              "  50026 '' .speed-progress-indicator circle succeeded\n"
              "    50026 '' .spinner\n"
              "  50000 '日本語 \uE313'\n"
              "  50020 'お使いのインターネットの速度:' .speed-label\n"
              "  50020 '94' #speed-value .speed-results-container succeeded\n"
              "  50020 'Mbps' #speed-units .speed-units-container succeeded\n");
}

TEST_F(ControlViewChromium, SpeedShapedPageKeepsItsMarkedContainersAsAChain) {
    const ControlElement document = ViewOf(R"(<html><head><title>Speedtest by Ookla - The Global Broadband Speed Test</title></head><body>
<div><div id="container" class="container">
  <div class="main-content">
    <div class="start-button"><a href="#" role="button" class="js-start-test test-mode-multi" aria-label="start speed test - connection type multi"><span class="start-text">GO</span></a></div>
    <div class="server-current"><div class="server-name">Tokyo</div><span class="sponsor">Example ISP</span></div>
    <ul class="result-list"><li>one</li></ul>
    <div class="result-container-data">
      <div class="result-item result-item-download"><span class="result-label"> DOWNLOAD </span>
        <span class="result-data-unit">Mbps</span> <span class="result-data-value">123.45</span></div>
    </div>
  </div>
</div></div></body></html>)");
    EXPECT_EQ(Outline(document),
              "50030 'Speedtest by Ookla - The Global Broadband Speed Test' #RootWebArea\n"
              "  50026 '' #container .container\n"
              "    50026 '' .main-content\n"
              "      50026 '' .start-button\n"
              "        50000 'start speed test - connection type multi' .js-start-test test-mode-multi\n"
              "      50026 '' .server-current\n"
              "        50020 'Tokyo' .server-name\n"
              "        50020 'Example ISP' .sponsor\n"
              "      50008 '' .result-list\n"
              "        50007 ''\n"
              "          50020 'one'\n"
              "      50026 '' .result-container-data\n"
              "        50026 '' .result-item result-item-download\n"
              "          50020 'DOWNLOAD ' .result-label\n"
              "          50020 'Mbps' .result-data-unit\n"
              "          50020 '123.45' .result-data-value\n");
}

TEST_F(ControlViewChromium, UsenShapedPageGivesLinksAndFigureTextsAsDocumentChildren) {
    const ControlElement document = ViewOf(R"(<html><head><title>USEN GATE 02</title></head><body>
<div><div><div><a href="#start" class="btn btn-start">測定開始</a>
  <a class="btn btn-abort" href="#abort"><img src="data:," alt="">測定中断</a></div></div></div>
<div>
  <div><p>DOWNLOAD</p><div><span class="num">94</span><span class="dec">.52</span></div>
       <span class="unit">Mbps</span></div>
  <div>

     <p>PING</p>   <span>12</span>   <span>ms</span>
  </div>
</div>
</body></html>)");
    EXPECT_EQ(Outline(document),
              "50030 'USEN GATE 02' #RootWebArea\n"
              "  50005 '測定開始' .btn btn-start\n"
              "  50005 '測定中断' .btn btn-abort\n"
              "  50020 'DOWNLOAD'\n"
              "  50020 '94' .num\n"
              "  50020 '.52' .dec\n"
              "  50020 'Mbps' .unit\n"
              "  50020 'PING'\n"
              "  50020 '12'\n"
              "  50020 'ms'\n");
}

TEST_F(ControlViewChromium, ListsImagesHeadingsAndIconsInOtherShapes) {
    const ControlElement document = ViewOf(R"(<html><head><title>Shapes</title></head><body>
<h2 class="title">Results <span>now</span></h2>
<ul id="items"><li class="first">one</li><li><a href="#two" id="two">two</a></li></ul>
<img alt="Gauge" class="gauge" src="data:,"><img alt="" src="data:,"><svg width="4" height="4"><rect width="4" height="4"/></svg>
<p class="note">Ping</p>
<nav><a href="#home">Home</a></nav>
<button><img alt="" src="data:,">日本語</button>
<input id="q" value="typed">
<div style="display:none" class="hidden"><span class="x">gone</span></div>
</body></html>)");
    EXPECT_EQ(Outline(document),
              "50030 'Shapes' #RootWebArea\n"
              "  50020 'Results now' .title\n"
              "  50008 '' #items\n"
              "    50007 '' .first\n"
              "      50020 'one'\n"
              "    50007 ''\n"
              "      50005 'two' #two\n"
              "  50006 'Gauge' .gauge\n"
              "  50020 'Ping' .note\n"
              "  50026 ''\n"
              "    50005 'Home'\n"
              "  50000 '日本語'\n"
              "  50004 '' #q\n");
}

}  // namespace
}  // namespace tidemark::chromium
