#pragma once

#include <string>

namespace tidemark {

// The countdown "hh:mm:ss" of a number of seconds, rounded to the nearest
// whole second (ties to even); hours take two digits or more, and a
// negative time counts down from the hour below it: -5 s is "-01:59:55".
std::string GetRemainTimeText(double seconds);

}  // namespace tidemark
