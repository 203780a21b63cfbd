#include <gtest/gtest.h>

#include <regex>
#include <string>

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

TEST(CommandLine, HelpNamesEveryOption) {
    const std::string usage = UsageText("tidemark");
    for (const char* option : {"--simulated", "--help", "--version"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

TEST(CommandLine, VersionIsOneLineNamingTheProgram) {
    EXPECT_TRUE(std::regex_match(VersionText(), std::regex(R"(Tidemark [0-9]+\.[0-9]+\.[0-9]+\n)"))) << VersionText();
}

}  // namespace
}  // namespace tidemark::qt
