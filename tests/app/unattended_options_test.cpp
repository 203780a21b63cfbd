#include "app/unattended_options.h"

#include <gtest/gtest.h>

#include "sim/sim_environment.h"

namespace tidemark {
namespace {

TEST(UnattendedOptions, TheWordsOfEachModeAndTheFolderFromTheOptionBeforeTheVariable) {
    const auto window = std::get<UnattendedOptions>(ReadUnattendedArguments({}));
    EXPECT_EQ(window.mode, StartMode::Window);
    const auto start = std::get<UnattendedOptions>(ReadUnattendedArguments({"--start", "--metrics", "D:\\m"}));
    EXPECT_EQ(start.mode, StartMode::PressStart);
    const auto once = std::get<UnattendedOptions>(
        ReadUnattendedArguments({"--services=speed,FAST", "--run-once", "--file", "my line"}));
    EXPECT_EQ(once.mode, StartMode::RunOnce);
    ASSERT_TRUE(once.services);
    EXPECT_TRUE(once.services->fast && !once.services->usen && once.services->speed);
    EXPECT_EQ(once.fileName, "my line");

    sim::SimEnvironment environment;
    EXPECT_EQ(MetricsFolder(window, environment), std::nullopt);
    environment.SetVariable(kMetricsVariable, "/var/lib/node_exporter");
    EXPECT_EQ(MetricsFolder(window, environment), "/var/lib/node_exporter");
    EXPECT_EQ(MetricsFolder(start, environment), "D:\\m");
}

TEST(UnattendedOptions, WhatCannotBeTakenIsSaidByName) {
    auto refusal = [](const std::vector<std::string>& words) {
        const auto read = ReadUnattendedArguments(words);
        return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : std::string("taken");
    };
    EXPECT_EQ(refusal({"--run-once", "--services", "--file", "x"}), "--services needs a value.");
    EXPECT_EQ(refusal({"--run-once=1"}), "--run-once takes no value.");
    EXPECT_EQ(refusal({"/S"}), "Unknown option '/S'.");
    EXPECT_EQ(refusal({"--run-once", "--services", "fast,,usen"}),
              "--services takes fast, usen and speed, separated by commas; not \"fast,,usen\".");
    EXPECT_EQ(refusal({"--file", "x"}), "--services and --file go with --run-once.");
    EXPECT_EQ(refusal({"--start", "--run-once"}), "--run-once and --start cannot be asked together.");
}

}  // namespace
}  // namespace tidemark
