#pragma once

#include <string_view>

namespace tidemark::run_text {

inline constexpr std::string_view kNowTesting = "Now Testing";
inline constexpr std::string_view kFastDone = "FAST Test completed successfully";
inline constexpr std::string_view kUsenDone = "USEN Test completed successfully";
inline constexpr std::string_view kSpeedDone = "SPEED Test completed successfully";
inline constexpr std::string_view kAllDone = "All Test completed";
inline constexpr std::string_view kTimedOutStatus = "Test timed out !!";
inline constexpr std::string_view kTimedOutNote = "Test timed out.";
inline constexpr std::string_view kErrorStatus = "An error occurred in the test !!";
inline constexpr std::string_view kErrorNote = "An error occurred in the test.";
inline constexpr std::string_view kFileInUse = "File for data seems to be in use.";
inline constexpr std::string_view kFileInUseAsk =
    "File for data seems to be in use.\nClose a file on another app(like Excel).";
inline constexpr std::string_view kNotChosen = "----";
inline constexpr std::string_view kNotObtained = "Error";

}  // namespace tidemark::run_text
