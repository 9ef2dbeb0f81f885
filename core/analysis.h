// The kinematic analysis: closed-form position solution and its derivatives, one row per crank
// degree.
#pragma once

#include "core/linkage.h"
#include "core/result_tables.h"

namespace fourbar {

// Rounded constants used throughout in place of the exact values; they shape the results.
inline constexpr double kPi = 3.141593;
inline constexpr double kFullTurn = 6.283186;
inline constexpr double kDegree = 0.017453294444444444;  // kPi / 180: degrees to radians

// Direction of the plane vector (x, y) in (-pi/2, 3pi/2]; x counts as 0 when |x| < 1e-10.
double vectorAngle(double x, double y);

// Angle in [0, pi] between sides a and b of a triangle with third side c (cosine rule).
// NaN outside its domain: a or b zero, or |cos| > 1 beyond 1e-12.
double triangleAngle(double a, double b, double c);

// Crank angular velocity in rad/s for a crank speed n in r/min: n * kPi / 30.
double crankAngularVelocity(double n);

enum class RunStatus {
    Completed,    // every row of the range was written (possibly none, for an empty range)
    CannotClose,  // a crank angle where the loop cannot close, a coupler or output link of
                  // length 0, or a value beyond double or float range: the tables hold no rows
                  // and the maxima are as before the run
};

// Each run turns the crank at crankAngularVelocity(inputs.n), replaces the tables and raises the
// maxima row by row.
RunStatus analyseFullTurn(const LinkageState& inputs, ResultTables& tables, Maxima& maxima);
// Rows first..last; first > last gives no rows. Row indices are 16-bit: a wider range is a
// caller's bug and stops the program.
RunStatus analyseRange(const LinkageState& inputs, ResultTables& tables, Maxima& maxima, int first,
                       int last);
// Forward pass first..last with sign M, then the return pass last..2*last-first with sign -M.
RunStatus analyseRockerDriven(const LinkageState& inputs, ResultTables& tables, Maxima& maxima,
                              int first, int last);
// Fills rows 0..360 directly; ignores M and leaves the maxima alone. CannotClose (no rows) only
// when the crank's angular velocity overflows.
RunStatus analyseParallelogram(const LinkageState& inputs, ResultTables& tables);

}  // namespace fourbar
