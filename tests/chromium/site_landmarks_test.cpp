// The inspector's reading of a control view: names made visible, and each
// service's landmarks judged found, missing or shown only after start.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chromium/control_view_listing.h"
#include "chromium/site_landmarks.h"
#include "sites/site_table.h"

namespace tidemark::chromium {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

ControlElement E(uia::ControlType type, std::string name, std::string className = "",
                 std::vector<ControlElement> children = {}, std::string id = "") {
    ControlElement element;
    element.controlType = type;
    element.name = std::move(name);
    element.className = std::move(className);
    element.automationId = std::move(id);
    element.children = std::move(children);
    return element;
}

ControlElement Document(std::string_view title, std::vector<ControlElement> children) {
    return E(control::Document, std::string(title), "", std::move(children), "RootWebArea");
}

// Each landmark line, without the heading.
std::vector<std::string> Lines(const std::optional<LandmarkReport>& report) {
    std::vector<std::string> lines;
    if (!report) return lines;
    for (const LandmarkReport::Line& line : report->lines) {
        const char* state = line.state == LandmarkReport::State::Found     ? "found"
                            : line.state == LandmarkReport::State::Missing ? "missing"
                                                                           : "later";
        lines.push_back(std::string(state) + " " + line.what + ": " + line.detail);
    }
    return lines;
}

TEST(ControlViewListing, NamesShowEveryCharacterThatWouldNotShowAsItself) {
    EXPECT_EQ(QuotedText("日本語 \xEE\x8C\x93"), R"("日本語 \uE313")");
    EXPECT_EQ(QuotedText("say \"hi\" \\ bye"), R"("say \"hi\" \\ bye")");
    EXPECT_EQ(QuotedText("a\tb\nc\x7F"), R"("a\u0009b\u000Ac\u007F")");
    EXPECT_EQ(QuotedText("zero\xE2\x80\x8Bwidth \xF3\xB0\x80\x80"), R"("zero\u200Bwidth \U000F0000")");
    // Not UTF-8: a stray byte, an overlong slash, a sequence cut short.
    EXPECT_EQ(QuotedText("\xFF"
                         "x\xC0\xAF"
                         "y\xE6\x97"),
              R"("\xFFx\xC0\xAFy\xE6\x97")");

    const ControlElement page =
        Document("T", {E(control::Group, "", "box", {E(control::Text, "94")}, "speed"), E(99999, "odd")});
    EXPECT_EQ(ControlViewListing(page),
              "Document \"T\" id=RootWebArea\n"
              "  Group \"\" id=speed class=\"box\"\n"
              "    Text \"94\"\n"
              "  99999 \"odd\"\n");

    // A page's id, and what the browser says, reach the terminal escaped as names do.
    EXPECT_EQ(ElementLine(E(control::Group, "", "", {}, "a\x1B[2Jb\nc")), R"(Group "" id="a\u001B[2Jb\u000Ac")");
    EXPECT_EQ(ElementLine(E(control::Group, "", "", {}, "two words")), R"(Group "" id="two words")");
    EXPECT_EQ(ElementLine(E(control::Group, "", "", {}, "言語")), R"(Group "" id=言語)");
    EXPECT_EQ(EscapedText("net::ERR\x1B]0;title\x07"), R"(net::ERR\u001B]0;title\u0007)");
}

TEST(SiteLandmarks, TheTypedAddressChoosesTheServiceWithOrWithoutItsLastSlash) {
    const ControlElement blank = Document("", {});
    ASSERT_TRUE(CheckSiteLandmarks("https://fast.com/ja", blank));
    EXPECT_EQ(CheckSiteLandmarks("https://fast.com/ja", blank)->site, "FAST");
    EXPECT_EQ(CheckSiteLandmarks(kSiteUSEN.address, blank)->site, "USEN");
    EXPECT_EQ(CheckSiteLandmarks(kSiteSPEED.address, blank)->site, "SPEED");
    EXPECT_FALSE(CheckSiteLandmarks("https://fast.com/en/", blank));
    EXPECT_FALSE(CheckSiteLandmarks("http://127.0.0.1:8080/fast.com/ja/", blank));
}

TEST(SiteLandmarks, FastNamesWhatStandsWhereTheLabelShouldAndStopsThere) {
    const ControlElement page = Document(
        kSiteFAST.title, {E(control::Hyperlink, "FAST", "logo"), E(control::Button, "日本語 \xEE\x8C\x93", "picker"),
                          E(control::Text, "Your speed:"), E(control::Text, "94")});
    EXPECT_THAT(
        Lines(CheckSiteLandmarks(kSiteFAST.address, page)),
        ElementsAre(
            StartsWith("found title"), "missing progress indicator (first Group child): no Group child of the document",
            R"(found language button: Button "日本語 \uE313" class="picker")",
            R"(missing speed label after the language button: Name "お使いのインターネットの速度:" expected, the next sibling is Text "Your speed:")",
            "missing figure and unit after the label: no speed label to start from"));
}

TEST(SiteLandmarks, UsenFiguresAreLaterUntilTheirLabelShowsThenNeedThreeElementsAfterIt) {
    const ControlElement page = Document(
        "Some other page", {E(control::Hyperlink, "測定開始", "btn btn-start"), E(control::Text, "DOWNLOAD", "label"),
                            E(control::Text, "12"), E(control::Text, ".34"), E(control::Text, "Mbps"),
                            E(control::Text, "UPLOAD"), E(control::Text, "5"), E(control::Text, "Mbps")});
    const auto report = CheckSiteLandmarks(kSiteUSEN.address, page);
    ASSERT_TRUE(report);
    EXPECT_THAT(LandmarkText(*report),
                StartsWith("USEN landmarks (the measurement starts when Hyperlink \"測定開始\" class=\"btn btn-start\" "
                           "is pressed):\n  missing  title: "));
    EXPECT_THAT(
        Lines(report),
        ElementsAre(
            HasSubstr("the document's Name is \"Some other page\""),
            R"(found start link: Hyperlink "測定開始" class="btn btn-start")",
            R"(later abort link (while measuring): shown after "測定開始" is pressed (Hyperlink "測定中断" class="btn btn-abort", a child of the document))",
            R"(found DOWNLOAD figure: Text "DOWNLOAD" class="label" then "12" ".34" "Mbps")",
            R"(missing UPLOAD figure: fewer than three elements follow Text "UPLOAD")",
            StartsWith("later PING figure: shown after"), StartsWith("later JITTER figure: shown after")));
}

TEST(SiteLandmarks, SpeedResultsAreFoundInTheBlockAfterTheListOnceMeasured) {
    const auto item = [](const char* className, std::vector<ControlElement> children) {
        return E(control::Group, "", className, std::move(children));
    };
    const ControlElement results =
        item("result-container-data",
             {item("result-item result-item-first-class result-item-download updated test-mode-multi",
                   {E(control::Image, ""), E(control::Text, " DOWNLOAD "), E(control::Text, "Mbps"),
                    E(control::Text, "93.10")}),
              item("result-item result-item-first-class result-item-upload updated test-mode-multi",
                   {E(control::Text, " UPLOAD "), E(control::Text, "Mbps")}),
              item("result-item result-item-latency result-data-latency-item",
                   {E(control::Text, "Ping"), E(control::Image, ""), E(control::Text, "ms")}),
              item("result-item result-item-latency result-data-latency-item updated",
                   {E(control::Image, ""), E(control::Text, "7"), E(control::Text, "ms")})});
    const ControlElement page =
        Document(kSiteSPEED.title,
                 {item("main-view",
                       {E(control::Group, "", "container",
                          {item("main-content",
                                {item("server-current", {E(control::Text, "Loopback - 127.0.0.1")}),
                                 item("start-button", {E(control::Button, "start speed test - connection type multi",
                                                         "js-start-test test-mode-multi")}),
                                 E(control::List, "", "", {E(control::ListItem, "Multi")}), results})},
                          "container")})});
    EXPECT_THAT(
        Lines(CheckSiteLandmarks(kSiteSPEED.address, page)),
        ElementsAre(StartsWith("found title"), R"(found container: Group "" id=container class="container")",
                    R"(found main content: Group "" class="main-content")",
                    R"(found current server (its first Text): "Loopback - 127.0.0.1" (chosen))",
                    StartsWith("found start button: Button"), StartsWith("later gauge (while measuring)"),
                    R"(found results list and the block after it: List "" then Group "" class="result-container-data")",
                    R"(found download: Text " DOWNLOAD " then "Mbps" "93.10")",
                    R"(missing upload: fewer than two elements follow Text " UPLOAD ")",
                    R"(found ping: Text "Ping", unit "ms", figure "7")"));
}

}  // namespace
}  // namespace tidemark::chromium
