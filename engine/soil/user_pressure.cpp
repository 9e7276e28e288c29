#include "engine/soil/user_pressure.h"

#include "engine/soil/surcharge.h"

namespace vornel::soil {

void build_user_pressure(EngineState& s) {
    s.pressure.clear();
    write_surcharge_height_warning(s);  // surcharge rows without free height add nothing
    for (const UserPressurePoint& u : s.user_pressure) {
        PressurePoint p;
        p.depth = u.depth;
        p.soil = u.load;
        if (!s.surcharges.empty())
            p.surcharge = surcharge_pressure(s, u.depth) * s.config.active_width;
        p.total = p.soil + p.surcharge;
        s.pressure.push_back(p);
    }
}

}  // namespace vornel::soil
