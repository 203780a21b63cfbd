#include <gtest/gtest.h>

#include <regex>
#include <optional>
#include <string>
#include <vector>

#include "qt/command_line.h"

namespace tidemark::qt {
namespace {

TEST(CommandLine, VersionAndHelpAreSeenAmongOptionsQtWouldTakeLater) {
    const CommandLine line = ParseCommandLine({"-platform", "offscreen", "--version"});
    EXPECT_TRUE(line.version);
    EXPECT_FALSE(line.help);
    EXPECT_EQ(line.error, "unknown option: -platform");

    const CommandLine help = ParseCommandLine({"--simulated", "-h"});
    EXPECT_TRUE(help.help);
    EXPECT_FALSE(help.version);
    EXPECT_EQ(help.browser, BrowserChoice::Simulated);
    EXPECT_EQ(help.error, "");
}

TEST(CommandLine, TheFirstUnknownOptionIsTheOneReported) {
    const CommandLine line = ParseCommandLine({"--simulate", "--versions"});
    EXPECT_EQ(line.error, "unknown option: --simulate");
    EXPECT_FALSE(line.version);
    EXPECT_EQ(line.browser, BrowserChoice::Chromium);
}

TEST(CommandLine, InspectTakesTheAddressAfterItOrAfterAnEqualsSign) {
    EXPECT_EQ(ParseCommandLine({"--inspect", "https://fast.com/ja/"}).inspect, "https://fast.com/ja/");
    const CommandLine joined = ParseCommandLine({"--inspect=http://127.0.0.1:1/", "--simulated"});
    EXPECT_EQ(joined.inspect, "http://127.0.0.1:1/");
    EXPECT_EQ(joined.error, "");

    // Without an address it is still asked for, so that the complaint comes before any window.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--inspect"}, {"--inspect", "--version"}, {"--inspect="}}) {
        const CommandLine line = ParseCommandLine(arguments);
        EXPECT_EQ(line.inspect, "") << arguments.size();
        EXPECT_EQ(line.error, "--inspect needs an address") << arguments.size();
    }
    EXPECT_EQ(ParseCommandLine({"--simulated"}).inspect, std::nullopt);
}

TEST(CommandLine, HelpNamesEveryOption) {
    const std::string usage = UsageText("tidemark");
    for (const char* option : {"--simulated", "--inspect ADDRESS", "--help", "--version"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

TEST(CommandLine, VersionIsOneLineNamingTheProgram) {
    EXPECT_TRUE(std::regex_match(VersionText(), std::regex(R"(Tidemark [0-9]+\.[0-9]+\.[0-9]+\n)"))) << VersionText();
}

}  // namespace
}  // namespace tidemark::qt
