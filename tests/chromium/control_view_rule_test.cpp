#include "chromium/control_view.h"

#include "control_outline.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tidemark::chromium {
namespace {

using nlohmann::json;
using ::testing::HasSubstr;

// A page written as the two protocol replies: the accessibility nodes as given,
// the DOM through the snapshot's string table, as Chromium sends it.
class HandWrittenPage {
public:
    HandWrittenPage& Ax(const std::string& id, const std::string& role, const std::string& name,
                        std::vector<std::string> children, std::int64_t backend = -1, bool ignored = false,
                        const std::string& reason = "uninteresting") {
        json node = {{"nodeId", id}, {"ignored", ignored}, {"childIds", children}};
        if (ignored) {
            node["ignoredReasons"] = json::array({{{"name", reason}, {"value", {{"type", "boolean"}, {"value", true}}}}});
            node["role"] = {{"type", "role"}, {"value", "none"}};
        } else {
            node["role"] = {{"type", "role"}, {"value", role}};
            node["name"] = {{"type", "computedString"}, {"value", name}};
        }
        if (backend >= 0) node["backendDOMNodeId"] = backend;
        ax_.push_back(node);
        return *this;
    }

    HandWrittenPage& Dom(std::int64_t backend, std::int64_t parent, const std::string& nodeName,
                         const std::string& id = "", const std::string& className = "") {
        const int type = nodeName == "#text" ? 3 : nodeName == "#document" ? 9 : 1;
        json attributes = json::array();
        // The class first, as a page may write it.
        if (!className.empty()) {
            attributes.push_back(String("class"));
            attributes.push_back(String(className));
        }
        if (!id.empty()) {
            attributes.push_back(String("id"));
            attributes.push_back(String(id));
        }
        const auto parentIndex = index_.contains(parent) ? index_.at(parent) : -1;
        index_[backend] = static_cast<std::int64_t>(backendIds_.size());
        parents_.push_back(parentIndex);
        types_.push_back(type);
        names_.push_back(String(nodeName));
        backendIds_.push_back(backend);
        attributes_.push_back(attributes);
        return *this;
    }

    json AxReply() const { return {{"nodes", ax_}}; }
    json DomReply() const {
        json nodes = {{"parentIndex", parents_},
                      {"nodeType", types_},
                      {"nodeName", names_},
                      {"backendNodeId", backendIds_},
                      {"attributes", attributes_}};
        json document = {{"nodes", nodes}};
        return {{"strings", strings_}, {"documents", json::array({document})}};
    }
    ControlElement View() const { return BuildControlView(ParsePageSnapshot(AxReply(), DomReply())); }

private:
    std::int64_t String(const std::string& text) {
        for (std::size_t i = 0; i < strings_.size(); ++i) {
            if (strings_[i] == text) return static_cast<std::int64_t>(i);
        }
        strings_.push_back(text);
        return static_cast<std::int64_t>(strings_.size() - 1);
    }

    json ax_ = json::array();
    std::vector<std::string> strings_;
    std::map<std::int64_t, std::int64_t> index_;
    std::vector<std::int64_t> parents_, backendIds_;
    std::vector<int> types_;
    std::vector<std::int64_t> names_;
    std::vector<json> attributes_;
};

TEST(ControlViewRule, BareWrappersAreLiftedAndTextsWearTheirHoldersMarkup) {
    // <body class="page"><div class="speed-progress-indicator"><div class="spinner"></div></div>
    // <div><div><button>日本語 <span>&#xE313;</span></button>
    //   <div><span class="label">お使い…:</span><div id="speed-value" class="v">94</div> <span class="u">Mbps</span></div>
    // </div></div><div class="box" id="b">Tokyo<b>!</b></div></body>
    HandWrittenPage page;
    page.Dom(1, -1, "#document").Dom(2, 1, "HTML").Dom(3, 2, "BODY", "", "page")
        .Dom(4, 3, "DIV", "", "speed-progress-indicator").Dom(5, 4, "DIV", "", "spinner")
        .Dom(6, 3, "DIV").Dom(7, 6, "DIV").Dom(8, 7, "BUTTON", "", "lang").Dom(9, 8, "#text").Dom(10, 8, "SPAN")
        .Dom(11, 10, "#text").Dom(12, 7, "DIV").Dom(13, 12, "SPAN", "", "label").Dom(14, 13, "#text")
        .Dom(15, 12, "DIV", "speed-value", "v").Dom(16, 15, "#text").Dom(17, 12, "#text").Dom(18, 12, "SPAN", "", "u")
        .Dom(19, 18, "#text").Dom(20, 3, "DIV", "b", "box").Dom(21, 20, "#text").Dom(22, 20, "B").Dom(23, 22, "#text");
    page.Ax("r", "RootWebArea", "Fast", {"html"}, 1)
        .Ax("html", "", "", {"body"}, 2, true)
        .Ax("body", "", "", {"ind", "w1", "box"}, 3, true)
        .Ax("ind", "", "", {"spin"}, 4, true)
        .Ax("spin", "", "", {}, 5, true)
        .Ax("w1", "", "", {"w2"}, 6, true)
        .Ax("w2", "", "", {"btn", "w3"}, 7, true)
        .Ax("btn", "button", "日本語 \uE313", {"bt"}, 8)
        .Ax("bt", "StaticText", "日本語 \uE313", {"bt-box"}, 9)
        .Ax("bt-box", "InlineTextBox", "日本語 \uE313", {})
        .Ax("w3", "", "", {"label", "value", "unit"}, 12, true)
        .Ax("label", "StaticText", "お使いのインターネットの速度:", {}, 14)
        .Ax("value", "generic", "", {"value-text"}, 15)
        .Ax("value-text", "StaticText", "94", {}, 16)
        .Ax("unit", "StaticText", "Mbps", {}, 19)
        .Ax("box", "generic", "", {"box-text", "box-bold"}, 20)
        .Ax("box-text", "StaticText", "Tokyo", {}, 21)
        .Ax("box-bold", "StaticText", "!", {}, 23);

    const ControlElement document = page.View();
    EXPECT_EQ(document.controlType, control::Document);
    EXPECT_EQ(document.automationId, "RootWebArea");
    EXPECT_EQ(Outline(document),
              "50030 'Fast' #RootWebArea\n"
              "  50026 '' .speed-progress-indicator\n"
              "    50026 '' .spinner\n"
              "  50000 '日本語 \uE313' .lang\n"
              "  50020 'お使いのインターネットの速度:' .label\n"
              "  50020 '94' #speed-value .v\n"
              "  50020 'Mbps' .u\n"
              "  50026 '' #b .box\n"
              "    50020 'Tokyo'\n"
              "    50020 '!'\n");
    EXPECT_EQ(document.children[3].backendNodeId, 16) << "the collapsed holder's text is what stays";
}

TEST(ControlViewRule, ContainerWhoseTextBelongsToAnInnerElementStaysAGroup) {
    // <div id="container"><div class="main-content"><div class="server-current">
    //   <div class="name">Tokyo</div></div><div class="server-other"><span class="n">Osaka</span></div>
    // </div></div>
    HandWrittenPage page;
    page.Dom(1, -1, "#document").Dom(2, 1, "DIV", "container").Dom(3, 2, "DIV", "", "main-content")
        .Dom(4, 3, "DIV", "", "server-current").Dom(5, 4, "DIV", "", "name").Dom(6, 5, "#text")
        .Dom(7, 3, "DIV", "", "server-other").Dom(8, 7, "SPAN", "", "n").Dom(9, 8, "#text");
    page.Ax("r", "RootWebArea", "Speed", {"c"}, 1)
        .Ax("c", "generic", "", {"m"}, 2)
        .Ax("m", "", "", {"s", "o"}, 3, true)
        .Ax("s", "", "", {"n"}, 4, true)
        .Ax("n", "generic", "", {"nt"}, 5)
        .Ax("nt", "StaticText", "Tokyo", {}, 6)
        .Ax("o", "generic", "", {"ot"}, 7)
        .Ax("ot", "StaticText", "Osaka", {}, 9);
    EXPECT_EQ(Outline(page.View()),
              "50030 'Speed' #RootWebArea\n"
              "  50026 '' #container\n"
              "    50026 '' .main-content\n"
              "      50026 '' .server-current\n"
              "        50020 'Tokyo' .name\n"
              "      50026 '' .server-other\n"
              "        50020 'Osaka' .n\n");
}

TEST(ControlViewRule, NamedControlsListsImagesAndWhatIsLeftOut) {
    HandWrittenPage page;
    page.Dom(1, -1, "#document").Dom(2, 1, "UL", "", "results").Dom(3, 2, "LI").Dom(4, 3, "#text")
        .Dom(5, 2, "LI").Dom(6, 5, "A", "go", "btn btn-start").Dom(7, 6, "SPAN", "", "inner").Dom(8, 7, "#text")
        .Dom(9, 1, "H2").Dom(10, 9, "#text").Dom(11, 1, "IMG").Dom(12, 1, "svg", "", "icon")
        .Dom(13, 1, "DIV", "", "gauge").Dom(14, 1, "IMG").Dom(15, 1, "DIV", "", "gone").Dom(16, 15, "#text")
        .Dom(17, 1, "INPUT", "q").Dom(18, 1, "#text");
    page.Ax("r", "RootWebArea", "Lists", {"ul", "h", "img", "svg", "gauge", "photo", "gone", "missing", "input", "ws"}, 1)
        .Ax("ul", "list", "", {"li1", "li2"}, 2)
        .Ax("li1", "listitem", "", {"mark1", "t1"}, 3)
        .Ax("mark1", "ListMarker", "• ", {})
        .Ax("t1", "StaticText", "one", {}, 4)
        .Ax("li2", "listitem", "", {"mark2", "a"}, 5)
        .Ax("mark2", "ListMarker", "• ", {})
        .Ax("a", "link", "測定開始", {"at"}, 6)
        .Ax("at", "StaticText", "測定開始", {}, 8)
        .Ax("h", "heading", "Head", {"ht"}, 9)
        .Ax("ht", "StaticText", "Head", {}, 10)
        .Ax("img", "image", "", {}, 11)
        .Ax("svg", "image", "", {}, 12)
        .Ax("gauge", "image", "", {}, 13)
        .Ax("photo", "image", "Photo", {}, 14)
        .Ax("gone", "", "", {"gone-text"}, 15, true, "notRendered")
        .Ax("gone-text", "StaticText", "hidden", {}, 16)
        .Ax("input", "textbox", "", {"inner-editor"}, 17)
        .Ax("inner-editor", "generic", "", {"r"})
        .Ax("ws", "StaticText", " \n ", {}, 18);
    EXPECT_EQ(Outline(page.View()),
              "50030 'Lists' #RootWebArea\n"
              "  50008 '' .results\n"
              "    50007 ''\n"
              "      50020 'one'\n"
              "    50007 ''\n"
              "      50005 '測定開始' #go .btn btn-start\n"
              "  50020 'Head'\n"
              "  50006 '' .gauge\n"
              "  50006 'Photo'\n"
              "  50004 '' #q\n");
}

TEST(ControlViewRule, MalformedRepliesAndCyclesAreHandled) {
    HandWrittenPage cyclic;
    cyclic.Dom(1, -1, "#document").Dom(2, 1, "DIV", "", "loop");
    cyclic.Ax("r", "RootWebArea", "Loop", {"d", "r"}, 1).Ax("d", "generic", "", {"d", "r", "nowhere"}, 2);
    EXPECT_EQ(Outline(cyclic.View()), "50030 'Loop' #RootWebArea\n  50026 '' .loop\n");

    const json dom = HandWrittenPage().Dom(1, -1, "#document").DomReply();
    const auto code = [](auto action) {
        try {
            action();
        } catch (const PlatformError& error) {
            return error.code();
        }
        return kSOk;
    };
    EXPECT_EQ(code([&] { ParsePageSnapshot(json{{"nodes", {{{"ignored", false}}}}}, dom); }), kInvalidData);
    EXPECT_EQ(code([&] { ParsePageSnapshot(json{{"nodes", 3}}, dom); }), kInvalidData);
    EXPECT_EQ(code([&] { ParsePageSnapshot(json::object(), dom); }), kInvalidData);
    json uneven = dom;
    uneven["documents"][0]["nodes"]["nodeType"] = json::array();
    EXPECT_EQ(code([&] { ParsePageSnapshot(HandWrittenPage().Ax("r", "RootWebArea", "", {}).AxReply(), uneven); }),
              kInvalidData);
    json badString = dom;
    badString["documents"][0]["nodes"]["nodeName"] = {99};
    EXPECT_EQ(code([&] { ParsePageSnapshot(json{{"nodes", json::array()}}, badString); }), kInvalidData);
    try {
        BuildControlView(ParsePageSnapshot(HandWrittenPage().Ax("x", "generic", "", {}).AxReply(), dom));
        ADD_FAILURE() << "no root";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.code(), kInvalidData);
        EXPECT_THAT(error.what(), HasSubstr("root"));
    }
}

}  // namespace
}  // namespace tidemark::chromium
