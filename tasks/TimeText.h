#pragma once
// Time texts: hours, minutes and seconds of at least two digits joined by ":", with
// "." and a tenths digit when the tenths are not zero (00:02:03.5). Hours take as
// many digits as they need (100:00:00).
#include <string>

namespace vuvide {

// The nearest whole number; an exact half goes to the even neighbour (2.5 gives 2,
// 3.5 gives 4, -2.5 gives -2).
double RoundHalfToEven(double value);

// The time text of a number of seconds. The tenths are rounded half to even, and ten
// tenths carry into the seconds (59.96 gives 00:01:00). Negative and not-a-number
// inputs count as 0; inputs beyond the 64-bit range of whole seconds are held there.
std::string FormatTimeText(double seconds);

// The seconds of a time text: H:M:S with H and M whole numbers (decimal digits) and S
// decimal digits, optionally followed by "." and more digits. Fields are not
// range-checked (00:75:00 gives 4500). Anything else gives -1.
double ParseTimeText(const std::string& text);

}  // namespace vuvide
