// The report header that opens every problem, the problem heading and the closing line.
//
// The header names the program and its version, the files of the run and the local date
// and time (from the state's clock, so that tests can fix it). The heading names the
// problem: the stage number and the run title in a staged run, "Long Term :" and the run
// title for the second problem of a short-term / long-term run, else the problem's title.
#pragma once

#include <ctime>
#include <ostream>
#include <string>

#include "engine/base/engine_state.h"

namespace vornel {

// The local date and time now.
std::tm local_now();

// "Date:  March 09, 2015     Time:  07:05:03" after 15 blanks.
std::string date_time_line(const std::tm& t);

void write_header(EngineState& s);
void write_problem_heading(EngineState& s);

// Three empty lines and "     END OF ANALYSIS" (blank-padded as the report always wrote it).
void write_closing_line(std::ostream& report);

}  // namespace vornel
