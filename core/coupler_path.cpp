// The path and velocity of a coupler point from the crank and coupler angles of each row.
#include "core/coupler_path.h"

#include <cmath>
#include <numbers>

#include "core/analysis.h"
#include "core/number_text.h"

namespace fourbar {

CouplerPathRow couplerPathRow(double L1, double omega1, CouplerPoint point,
                              const CouplerRowAngles& row) {
    const double direction = row.theta2 + point.angle * std::numbers::pi / 180;
    const double bx = L1 * std::cos(row.theta1);
    const double by = L1 * std::sin(row.theta1);
    const double px = point.distance * std::cos(direction);
    const double py = point.distance * std::sin(direction);
    // omega x r in the plane: (-omega r_y, omega r_x). A NaN omega2 makes both components NaN.
    return {.index = row.index,
            .crankAngle = row.theta1 / kDegree,
            .x = bx + px,
            .y = by + py,
            .vx = -omega1 * by - row.omega2 * py,
            .vy = omega1 * bx + row.omega2 * px};
}

std::vector<CouplerPathRow> couplerPath(const Analysis& analysis, CouplerPoint point) {
    std::vector<CouplerPathRow> path;
    const ResultTables& tables = analysis.tables;
    const IndexRange rows = tables.rows();
    path.reserve(static_cast<std::size_t>(rows.count()));
    for (int i = rows.first; i <= rows.last; ++i) {
        path.push_back(couplerPathRow(analysis.linkage.L1, analysis.omega1, point,
                                      {.index = i,
                                       .theta1 = tables.theta1(i),
                                       .theta2 = tables.theta2(i),
                                       .omega2 = tables.omega2(i)}));
    }
    return path;
}

CouplerPosition couplerPointAt(double bx, double by, double cx, double cy, CouplerPoint point) {
    const double direction = std::atan2(cy - by, cx - bx) + point.angle * std::numbers::pi / 180;
    return {bx + point.distance * std::cos(direction), by + point.distance * std::sin(direction)};
}

std::string couplerPathCsv(const Analysis& analysis, CouplerPoint point) {
    // The byte-order mark lets spreadsheet programs read the Chinese heading as UTF-8.
    std::string csv =
        "\xEF\xBB\xBF"
        "序号,曲柄转角(度),Px(mm),Py(mm),vx(mm/s),vy(mm/s)\n";
    for (const CouplerPathRow& row : couplerPath(analysis, point)) {
        csv += std::to_string(row.index);
        for (const double value : {row.crankAngle, row.x, row.y, row.vx, row.vy}) {
            csv += ',';
            csv += shortestNumberText(value);
        }
        csv += '\n';
    }
    return csv;
}

}  // namespace fourbar
