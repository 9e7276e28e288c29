#include "engine/core/station_tables.h"

#include "engine/base/stop_messages.h"

namespace vornel {
namespace {

// The six values of a row in the order F, Q, S, T, R, P.
using RowValues = std::array<double, 6>;

RowValues values_of(const RangeRow& r) {
    return {r.ei, r.q, r.s, r.t, r.r, -r.p};
}

struct Targets {
    std::array<StationTable*, 6> tables;
    StationTable* full;
};

// Adds the values running linearly from u at station a to v at station b; the two end
// stations keep half of theirs.
void apply_range(EngineState& s, const Targets& t, int a, int b, const RowValues& u,
                 const RowValues& v) {
    if (b < a) {
        stop_stations_not_in_order(s.out(),
                                   "range " + std::to_string(a) + ".." + std::to_string(b));
    }
    for (std::size_t m = 0; m < 6; ++m) {
        if (u[m] == 0.0 && v[m] == 0.0) continue;
        StationTable& table = *t.tables[m];
        StationTable* full = m == 0 ? t.full : nullptr;
        if (b == a) {
            table[a] += u[m];
            if (full) (*full)[a] += u[m];
            continue;
        }
        auto value_at = [&](int j) { return u[m] + (v[m] - u[m]) * (j - a) / (b - a); };
        for (int j = a; j <= b; ++j) {
            table[j] += value_at(j);
            if (full) (*full)[j] += value_at(j);
        }
        table[a] -= 0.5 * value_at(a);
        table[b] -= 0.5 * value_at(b);
    }
}

}  // namespace

int range_case(int previous_flag, int flag) {
    const int p = previous_flag == 2 ? 1 : 0;
    const int c = flag == 2 ? 1 : 0;
    return 2 * p + c + 1;
}

void clear_station_tables(EngineState& s) {
    for (StationTable* t : {&s.F, &s.Q, &s.S, &s.T, &s.R, &s.P, &s.F_end}) t->clear();
    s.wall_end.fill(false);
}

void spread_rows(EngineState& s, const std::vector<RangeRow>& rows, StationTable* full) {
    const Targets t{{&s.F, &s.Q, &s.S, &s.T, &s.R, &s.P}, full};
    int previous_flag = 1;
    int start = 0;
    RowValues u{};
    for (const RangeRow& row : rows) {
        const RowValues v = values_of(row);
        switch (range_case(previous_flag, row.flag)) {
            case 1:
                apply_range(s, t, row.from, row.to, v, v);
                break;
            case 2:
                start = row.from;
                u = v;
                break;
            case 3:
                apply_range(s, t, start, row.to, u, v);
                break;
            default:
                apply_range(s, t, start, row.to, u, v);
                start = row.to;
                u = v;
                break;
        }
        previous_flag = row.flag;
    }
}

void spread_stiffness(EngineState& s) {
    StationTable full;
    spread_rows(s, s.stiffness_rows, &full);
    const int n = s.wall.ninc;
    for (int k = -2; k <= n + 2; ++k) {
        const bool above = s.F[k - 1] != 0.0, below = s.F[k + 1] != 0.0;
        if (s.F[k] != 0.0 && above != below) {
            s.wall_end[static_cast<std::size_t>(k + 3)] = true;
            s.F_end[k] = full[k];
        }
    }
}

void check_beyond_end(EngineState& s) {
    const int n = s.wall.ninc;
    bool beyond = false;
    for (const StationTable* t : {&s.F, &s.Q, &s.S, &s.T, &s.R, &s.P}) {
        if ((*t)[n + 1] != 0.0) beyond = true;
    }
    for (const StationTable* t : {&s.F, &s.T, &s.R, &s.P}) {
        if ((*t)[n + 2] != 0.0) beyond = true;
    }
    if (beyond) stop_data_beyond_end(s.out());
}

void set_station_codes(EngineState& s) {
    s.code.fill(kOrdinary);
    s.code_row.fill(-1);
    auto set = [&s](int station, int code, int row) {
        s.code[static_cast<std::size_t>(station + 3)] = code;
        s.code_row[static_cast<std::size_t>(station + 3)] = row;
    };
    for (std::size_t i = 0; i < s.restraints.size(); ++i) {
        const RestraintRow& r = s.restraints[i];
        const int row = static_cast<int>(i);
        if (r.kase == 1) {
            set(r.station, kDeflection, row);
        } else if (r.kase == 2) {
            set(r.station - 1, kSlopeBefore, row);
            set(r.station + 1, kSlopeAfter, row);
        } else {
            set(r.station - 1, kSlopeBefore, row);
            set(r.station, kBoth, row);
            set(r.station + 1, kSlopeAfter, row);
        }
    }
}

}  // namespace vornel
