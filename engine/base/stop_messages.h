// The fixed messages with which a check of the data ends a run.
//
// Each writes its report line(s) in their own layout and throws RunStop; the driver then
// closes the run in order.
#pragma once

#include <ostream>
#include <string>

namespace vornel {

// "     TOO MUCH DATA FOR AVAILABLE STORAGE", two empty lines before and after: a table
// holds more rows than the engine's storage (restraint rows, p-y curves).
[[noreturn]] void stop_too_much_data(std::ostream& report, const std::string& reason);

// "     ERROR STOP -- STATIONS NOT IN ORDER" after two empty lines: restraint stations
// decreasing, a range ending above its start, curve stations decreasing.
[[noreturn]] void stop_stations_not_in_order(std::ostream& report, const std::string& reason);

// "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END" after two empty lines: stiffness or load
// data at the fictitious stations below the toe.
[[noreturn]] void stop_data_beyond_end(std::ostream& report);

// "     ERROR STOP -- <what>" after two empty lines, for conditions without a message of
// their own (a scratch file that cannot be opened, a count outside the storage).
[[noreturn]] void stop_with(std::ostream& report, const std::string& what);

}  // namespace vornel
