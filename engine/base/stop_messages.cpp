#include "engine/base/stop_messages.h"

#include "engine/base/run_stop.h"

namespace vornel {

void stop_too_much_data(std::ostream& report, const std::string& reason) {
    report << "\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n\n";
    throw RunStop("too much data for available storage: " + reason);
}

void stop_stations_not_in_order(std::ostream& report, const std::string& reason) {
    report << "\n\n     ERROR STOP -- STATIONS NOT IN ORDER\n";
    throw RunStop("stations not in order: " + reason);
}

void stop_data_beyond_end(std::ostream& report) {
    report << "\n\n     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END\n";
    throw RunStop("non-zero stiffness or load data beyond the toe");
}

void stop_with(std::ostream& report, const std::string& what) {
    report << "\n\n     ERROR STOP -- " << what << '\n';
    throw RunStop(what);
}

}  // namespace vornel
