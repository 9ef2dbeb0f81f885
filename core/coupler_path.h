// The path and velocity of a point fixed to the coupler, row by row of an analysis.
#pragma once

#include <string>
#include <vector>

#include "core/coupler_point.h"
#include "core/shared_state.h"

namespace fourbar {

// P at one row of the tables.
struct CouplerPathRow {
    int index = 0;          // the row's index in the tables
    double crankAngle = 0;  // degrees: the row's theta1 over the degree factor 0.0174532944...
    double x = 0;           // mm, A at the origin and D at (L4, 0)
    double y = 0;           // mm
    double vx = 0;          // mm/s; NaN where the row has no coupler angular velocity
    double vy = 0;          // mm/s; as vx
};

// What one row of an analysis gives the path.
struct CouplerRowAngles {
    int index = 0;
    double theta1 = 0;  // rad, crank
    double theta2 = 0;  // rad, coupler (direction of BC)
    double omega2 = 0;  // rad/s, coupler; NaN where the coupler and rocker lie in line
};

// P = B + BP (cos(theta2 + angle), sin(theta2 + angle)) with B = L1 (cos theta1, sin theta1); its
// velocity is B's, L1 omega1 at right angles to the crank, plus omega2 times BP at right angles to
// BP. The angle is converted with the exact pi: the rows' angles are radians of the plane.
CouplerPathRow couplerPathRow(double L1, double omega1, CouplerPoint point,
                              const CouplerRowAngles& row);

// P at every row the analysis holds, in index order; none when it holds no rows.
std::vector<CouplerPathRow> couplerPath(const Analysis& analysis, CouplerPoint point);

// P of one linkage position from its joints B and C as the figure places them.
struct CouplerPosition {
    double x = 0;  // mm
    double y = 0;  // mm
};
// BP from B at the point's angle counterclockwise from BC (the exact pi, as couplerPathRow); when
// B and C coincide the angle is taken from the x axis.
CouplerPosition couplerPointAt(double bx, double by, double cx, double cy, CouplerPoint point);

// The path as a CSV file: UTF-8 with a byte-order mark, the headings
// 序号,曲柄转角(度),Px(mm),Py(mm),vx(mm/s),vy(mm/s), then one line per row of couplerPath: the
// row's index and its values in the shortest form that reads back to the same double, an empty
// field where a row has no value. Lines end with '\n'.
std::string couplerPathCsv(const Analysis& analysis, CouplerPoint point);

}  // namespace fourbar
