#include "app/Failure.h"

namespace vuvide {

std::string WithFullStop(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) <= '.') return message;
  return message + ".";
}

}  // namespace vuvide
