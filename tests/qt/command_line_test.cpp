#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "qt/command_line.h"

namespace tidemark::qt {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

CommandLine Parse(QStringList arguments) {
    arguments.prepend("tidemark");
    return ParseCommandLine(arguments);
}

const auto kUsage = AllOf(HasSubstr("Usage: "), HasSubstr("--simulated"), HasSubstr("--inspect <ADDRESS>"),
                          HasSubstr("--help"), HasSubstr("--version"));

TEST(CommandLine, OptionsItCannotTakeAreRefusedWithTheUsageEvenBesideVersionOrHelp) {
    const CommandLine bogus = Parse({"--bogus", "--version"});
    EXPECT_EQ(bogus.exitStatus, 2);
    EXPECT_THAT(bogus.answer, AllOf(HasSubstr("Unknown option 'bogus'"), kUsage));
    EXPECT_THAT(Parse({"-h", "--simulate"}).answer, HasSubstr("Unknown option 'simulate'"));
    const CommandLine stray = Parse({"--simulated", "fast"});
    EXPECT_EQ(stray.exitStatus, 2);
    EXPECT_THAT(stray.answer, AllOf(HasSubstr("'fast'"), kUsage));
}

TEST(CommandLine, HelpAndVersionAnswerAmongOptionsQtTakesLater) {
    const CommandLine version = Parse({"-platform", "offscreen", "--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.answer, QCoreApplication::applicationName().toStdString() + " " +
                                  QCoreApplication::applicationVersion().toStdString() + "\n");
    const CommandLine help = Parse({"--simulated", "-h"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_THAT(help.answer, kUsage);

    const CommandLine window = Parse({"-platform", "offscreen", "--simulated"});
    EXPECT_EQ(window.exitStatus, std::nullopt);
    EXPECT_EQ(window.browser, BrowserChoice::Simulated);
    EXPECT_EQ(window.inspect, std::nullopt);
    EXPECT_EQ(Parse({}).browser, BrowserChoice::Chromium);
}

TEST(CommandLine, InspectTakesTheAddressAfterItOrAfterAnEqualsSign) {
    EXPECT_EQ(Parse({"--inspect", "https://fast.com/ja/"}).inspect, "https://fast.com/ja/");
    const CommandLine joined = Parse({"--inspect=http://127.0.0.1:1/", "--simulated"});
    EXPECT_EQ(joined.inspect, "http://127.0.0.1:1/");
    EXPECT_EQ(joined.browser, BrowserChoice::Simulated);
    EXPECT_EQ(joined.exitStatus, std::nullopt);

    // Without an address it is refused, so that the complaint comes before any window.
    EXPECT_THAT(Parse({"--inspect"}).answer, HasSubstr("Missing value after '--inspect'"));
    for (const QStringList& arguments : {QStringList{"--inspect", "--version"}, QStringList{"--inspect="}}) {
        const CommandLine line = Parse(arguments);
        EXPECT_EQ(line.exitStatus, 2) << arguments.join(' ').toStdString();
        EXPECT_THAT(line.answer, AllOf(HasSubstr("--inspect needs an address"), kUsage));
    }
}

TEST(CommandLine, ReportOptionsGoThroughTheCoresOneReader) {
    const CommandLine line = Parse({"--report", "/home/u/Documents/line.csv", "-o", "/tmp/r.html", "--below", "25.5"});
    EXPECT_EQ(line.exitStatus, std::nullopt);
    ASSERT_TRUE(line.report);
    EXPECT_EQ(line.report->csvPath, "/home/u/Documents/line.csv");
    EXPECT_EQ(line.report->outputPath, "/tmp/r.html");
    EXPECT_EQ(line.report->belowMbps, 25.5);

    // The core's rules and words, with Qt's help text below them.
    for (const QStringList& arguments :
         {QStringList{"--report", "a.csv", "--below", "inf"}, QStringList{"--output", "x.html"},
          QStringList{"--inspect", "https://fast.com/", "--report", "a.csv"}}) {
        std::vector<std::string> given;
        for (const QString& argument : arguments) given.push_back(argument.toStdString());
        const CommandLine refused = Parse(arguments);
        EXPECT_EQ(refused.exitStatus, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(refused.report, std::nullopt);
        EXPECT_THAT(refused.answer, AllOf(HasSubstr(report::ParseReportArguments(given).error), kUsage));
    }
}

}  // namespace
}  // namespace tidemark::qt

namespace tidemark::qt {
namespace {

TEST(CommandLine, UnattendedOptionsAreCheckedByTheCoreAndKeptFromTheOtherCommands) {
    const CommandLine once = Parse({"--run-once", "--services", "usen,speed", "--file=line", "--metrics", "/m"});
    EXPECT_EQ(once.exitStatus, std::nullopt);
    EXPECT_EQ(once.unattended.mode, StartMode::RunOnce);
    ASSERT_TRUE(once.unattended.services);
    EXPECT_FALSE(once.unattended.services->fast);
    EXPECT_EQ(once.unattended.fileName, "line");
    EXPECT_EQ(once.unattended.metricsFolder, "/m");
    EXPECT_EQ(Parse({"--simulated", "--start"}).unattended.mode, StartMode::PressStart);

    const CommandLine unknown = Parse({"--run-once", "--services", "fast,ookla"});
    EXPECT_EQ(unknown.exitStatus, 2);
    EXPECT_THAT(unknown.answer, AllOf(HasSubstr("\"fast,ookla\""), HasSubstr("--run-once"), kUsage));
    EXPECT_THAT(Parse({"--file", "x"}).answer, HasSubstr("--services and --file go with --run-once."));
    EXPECT_EQ(Parse({"--run-once", "--report", "a.csv"}).exitStatus, 2);
}

}  // namespace
}  // namespace tidemark::qt
