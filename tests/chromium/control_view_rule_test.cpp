// The control view by Chromium's own rule, one small page a case, each read
// from a real headless Chromium: what Blink keeps, and which of those nodes
// the Windows provider shows as control elements.

#include "chromium/control_view.h"

#include "control_outline.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "headless_tab_suite.h"
#include "throws_platform_error.h"

namespace tidemark::chromium {
namespace {

using nlohmann::json;
using ::testing::HasSubstr;

struct RuleCase {
    const char* name;
    const char* body;     // inside <body>, after a <style> of `style`
    const char* outline;  // the document's children, as Outline prints them at depth 1
    const char* style = "";
};

std::ostream& operator<<(std::ostream& out, const RuleCase& rule) { return out << rule.name; }

const RuleCase kRules[] = {
    {"ClassOnlyWrappersAreNotControls",
     R"(<div class="wrapper"><div class="speed-container"><button class="go">Go</button></div></div>)",
     "  50000 'Go' .go\n"},
    {"AnIdKeepsTheBoxInBlinksTreeButDoesNotMakeAControl",
     R"(<div id="your-speed-message">お使いのインターネットの速度:</div><div id="speed-value" class="speed-results-container">94</div>)",
     "  50020 'お使いのインターネットの速度:'\n"
     "  50020 '94'\n"},
    {"APositionedBoxIsNoControlEither",
     R"(<div class="speed-right-container" style="position:relative"><div class="inner" style="position:absolute">Mbps</div></div>)",
     "  50020 'Mbps'\n"},
    {"TextInAPlainBoxIsTextOfItsOwnBlanksAndAll",
     R"(<div class="x"><span>A</span> <span>B</span></div><p class="note">para <b>bold</b></p>)",
     "  50020 'A'\n"
     "  50020 ' '\n"
     "  50020 'B'\n"
     "  50020 'para '\n"
     "  50020 'bold'\n"},
    {"ABoxWithItsOwnClickListenerIsAGroup",
     R"(<div class="speed-progress-indicator circle" id="speed-progress-indicator"><div class="spinner"></div><span class="icon">II</span></div>
        <div class="outer"><div class="inner">x</div></div>
        <script>
          document.getElementById('speed-progress-indicator').addEventListener('click', () => {});
          document.querySelector('.outer').addEventListener('click', () => {});
        </script>)",
     "  50026 '' #speed-progress-indicator .speed-progress-indicator circle\n"
     "    50020 'II'\n"
     "  50026 '' .outer\n"
     "    50020 'x'\n"},
    {"FocusableNamedDescribedOrAriaBoxesAreGroups",
     R"(<div tabindex="0" class="f">focus</div><div aria-label="named" class="n">n</div><div title="tip">t</div>
        <div aria-live="polite" class="live">live</div>)",
     "  50026 '' .f\n"
     "    50020 'focus'\n"
     "  50026 'named' .n\n"
     "    50020 'n'\n"
     "  50026 ''\n"
     "    50020 't'\n"
     "  50026 '' .live\n"
     "    50020 'live'\n"},
    {"ALinkOrAButtonSaysItsTextAndAnIconGlyphFromCss",
     R"(<a class="logo" href="#home"><span>FAST</span></a>
        <div class="dropdown"><button class="dropbtn">日本語 <span class="icon"></span></button></div>)",
     "  50005 'FAST' .logo\n"
     "  50000 '日本語 \uE313' .dropbtn\n",
     ".icon::before { content: '\\e313'; }"},
    {"AHeadingSaysItsTextButALabelDoesNot",
     R"(<h1 class="title">Speed <span>test</span></h1><label class="l">Name <b>here</b></label>)",
     "  50020 'Speed test' .title\n"
     "  50020 'Name '\n"
     "  50020 'here'\n"},
    {"AListItemSaysTheTextRightUnderItOnly",
     R"(<ul class="result-data-list" style="list-style:none"><li class="a">one</li><li><span>two</span></li>
        <li><div class="deeper" style="position:relative">three</div></li></ul>)",
     "  50008 '' .result-data-list\n"
     "    50007 'one' .a\n"
     "    50007 'two'\n"
     "    50007 'three'\n"
     "      50020 'three'\n"},
    {"HeaderAndFooterAreLandmarksAtTheTopButSectionsInsideAnArticle",
     R"(<header class="h">top</header><article><header>ah</header></article><footer>bottom</footer>)",
     "  50026 '' .h\n"
     "    50020 'top'\n"
     "  50026 ''\n"
     "    50026 ''\n"
     "      50020 'ah'\n"
     "  50026 ''\n"
     "    50020 'bottom'\n"},
    {"AnUnnamedImageIsShownButOneMarkedAsDecorationIsNot",
     R"(<img class="plain" src="data:,"><img class="decor" alt="" src="data:,"><img alt="Gauge" src="data:,">
        <svg class="svg-icon" width="8" height="8"><rect width="8" height="8"/></svg><svg class="empty" width="8" height="8"></svg>)",
     "  50006 '' .plain\n"
     "  50006 'Gauge'\n"
     "  50006 '' .svg-icon\n"},
    {"ACanvasIsAnImageWhenBlinkKeepsIt",
     R"(<canvas class="bare" width="40" height="40"></canvas>
        <canvas class="gauge-speed-text" width="40" height="40" style="position:absolute"></canvas>
        <canvas role="img" aria-label="speed" width="40" height="40"></canvas>
        <canvas class="fallback" width="40" height="40"><span>120 Mbps</span></canvas>)",
     "  50006 '' .gauge-speed-text\n"
     "  50006 'speed'\n"
     "  50006 '' .fallback\n"},
    {"HiddenElementsLeaveNoGapBetweenSiblings",
     R"(<div id="speed-value">94</div><div class="error-message" style="display:none">unstable</div>
        <div class="error-message" hidden>offline</div><div aria-hidden="true">x</div><div id="speed-units">Mbps</div>)",
     "  50020 '94'\n"
     "  50020 'Mbps'\n"},
    {"WidgetsKeepTheirOwnTypesAndTextFieldsHideTheirText",
     R"(<input id="q" value="typed"><input type="checkbox" class="c"><progress value="1"></progress>
        <div role="status">ok</div><table><tr><th>head</th></tr><tr><td>cell</td></tr></table>)",
     "  50004 '' #q\n"
     "  50002 '' .c\n"
     "  50012 ''\n"
     "  50017 ''\n"
     "    50020 'ok'\n"
     "  50036 ''\n"
     "    50029 ''\n"
     "      50029 'head'\n"
     "    50029 ''\n"
     "      50029 'cell'\n"},
};

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

class ControlViewRule : public HeadlessTabSuite, public ::testing::WithParamInterface<RuleCase> {
protected:
    static void SetUpTestSuite() { StartBrowser("control-view-rule"); }
};

TEST_P(ControlViewRule, ShowsWhatEdgeShows) {
    const RuleCase& rule = GetParam();
    const std::string page =
        std::string("<!DOCTYPE html><html lang=\"ja\"><head><meta charset=\"utf-8\"><title>Case</title><style>") +
        rule.style + "</style></head><body>" + rule.body + "</body></html>";
    Navigate("data:text/html;charset=utf-8," + PercentEncoded(page));
    const ControlElement document = BuildControlView(FetchPageSnapshot(browser_->devtools(), session_));
    EXPECT_EQ(Outline(document), std::string("50030 'Case' #RootWebArea\n") + rule.outline);
}

INSTANTIATE_TEST_SUITE_P(Chromium, ControlViewRule, ::testing::ValuesIn(kRules),
                         [](const ::testing::TestParamInfo<RuleCase>& param) { return std::string(param.param.name); });

// Replies no browser sends, as a broken or hostile one might.
TEST(ControlViewReplies, MalformedRepliesAndCyclesAreHandled) {
    const json dom = {{"strings", {"#document", "DIV", "class", "loop"}},
                      {"documents",
                       {{{"nodes",
                          {{"parentIndex", {-1, 0}},
                           {"nodeType", {9, 1}},
                           {"nodeName", {0, 1}},
                           {"backendNodeId", {1, 2}},
                           {"attributes", {json::array(), {2, 3}}},
                           {"isClickable", {{"index", {1}}}}}}}}}};
    const auto node = [](const char* id, const char* role, json children, int backend) {
        return json{{"nodeId", id},
                    {"ignored", false},
                    {"role", {{"type", "role"}, {"value", role}}},
                    {"childIds", std::move(children)},
                    {"backendDOMNodeId", backend}};
    };
    const json cyclic = {
        {"nodes", {node("r", "RootWebArea", {"d", "r"}, 1), node("d", "generic", {"d", "r", "nowhere"}, 2)}}};
    EXPECT_EQ(Outline(BuildControlView(ParsePageSnapshot(cyclic, dom))), "50030 '' #RootWebArea\n  50026 '' .loop\n");

    EXPECT_THAT(
        [&] {
            ParsePageSnapshot(json{{"nodes", {{{"ignored", false}}}}}, dom);
        },
        ThrowsPlatformError(kInvalidData));
    EXPECT_THAT([&] { ParsePageSnapshot(json{{"nodes", 3}}, dom); }, ThrowsPlatformError(kInvalidData));
    EXPECT_THAT([&] { ParsePageSnapshot(json::object(), dom); }, ThrowsPlatformError(kInvalidData));
    json uneven = dom;
    uneven["documents"][0]["nodes"]["nodeType"] = json::array();
    EXPECT_THAT([&] { ParsePageSnapshot(cyclic, uneven); }, ThrowsPlatformError(kInvalidData));
    json badString = dom;
    badString["documents"][0]["nodes"]["nodeName"] = {99, 1};
    EXPECT_THAT([&] { ParsePageSnapshot(cyclic, badString); }, ThrowsPlatformError(kInvalidData));
    json badClickable = dom;
    badClickable["documents"][0]["nodes"]["isClickable"] = {{"index", "all"}};
    EXPECT_THAT([&] { ParsePageSnapshot(cyclic, badClickable); }, ThrowsPlatformError(kInvalidData));
    const json rootless = {{"nodes", {node("x", "generic", json::array(), 2)}}};
    EXPECT_THAT([&] { BuildControlView(ParsePageSnapshot(rootless, dom)); },
                ThrowsPlatformError(kInvalidData, HasSubstr("root")));
}

}  // namespace
}  // namespace tidemark::chromium
