#pragma once
// A failure that ends the handler it happens in. The application catches it in one
// place and shows its message in the program's error box.
#include <stdexcept>
#include <string>

namespace vuvide {

class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The error box's full-stop rule: a full stop is added unless the message's last
// character is a full stop or a character whose code comes before it (a blank, "!",
// ")", ",", "-" and the like).
std::string WithFullStop(const std::string& message);

}  // namespace vuvide
