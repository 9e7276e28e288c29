// The one condition that ends a run early.
//
// Whoever finds a fault in the data writes its message into the report first (each message
// has its own fixed layout) and then throws RunStop. The driver catches it, closes the run in
// order (closing line, results block, files closed) and returns normally: the engine never
// ends the process that hosts it. `reason` is a one-line summary for callers such as the
// headless runner; it is not written to the report.
#pragma once

#include <stdexcept>
#include <string>

namespace vornel {

class RunStop : public std::runtime_error {
  public:
    explicit RunStop(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace vornel
