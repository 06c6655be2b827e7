#pragma once
// Command-line texts of the encoder runs. The passes build one text per run, in the
// form a Windows program receives it; on every platform the runner splits that text
// into arguments with the Windows rules and starts the encoder without a shell, so a
// file name reaches the encoder as one intact argument whatever it holds.
#include <string>
#include <string_view>
#include <vector>

namespace vuvide {

// Splits a command-line text into arguments by the rules of the Microsoft C runtime
// (the same as CommandLineToArgvW for everything after the program name):
// - arguments are separated by blanks (space or tab) outside double quotes;
// - a double quote starts or ends a quoted part; inside one, blanks are kept and two
//   double quotes in a row give one literal double quote;
// - 2n backslashes followed by a double quote give n backslashes, and the quote acts
//   as above; 2n+1 backslashes followed by a double quote give n backslashes and a
//   literal double quote; backslashes not followed by a double quote are literal;
// - "" on its own is an empty argument.
// The text carries no program name: every token is an argument.
std::vector<std::string> SplitCommandLine(std::string_view text);

// One argument in double quotes, escaped so that SplitCommandLine gives it back
// unchanged: a double quote becomes \", backslashes right before a double quote or
// before the closing quote are doubled. For a name without double quotes and without
// a trailing backslash this is simply a double quote, the name, a double quote.
std::string QuoteArgument(std::string_view argument);

}  // namespace vuvide
