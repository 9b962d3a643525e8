#pragma once

// Conversion factors between SI and the English engineering units, and the
// angular constants. Every calculator converts through these names only.
//
// The base factors are the program's own rounded values (the pound force is
// 4.4484 N, the pound mass 0.45351 kg): every printed result rests on them, so
// they must not be "corrected" to the standard values.
//
// The derived factors are compile-time constants: IEEE double arithmetic with
// round-to-nearest gives the same bits as computing them at start-up, and no
// caller can observe them before they are set.

namespace units {

// SI units in one English unit.
inline constexpr double N_PER_LBF = 4.4484;
inline constexpr double KG_PER_SLUG = 14.59;
inline constexpr double KG_PER_LBM = 0.45351;
inline constexpr double M_PER_IN = 0.0254;
inline constexpr double M_PER_FT = 0.3048;

// The double nearest pi, which is what atan2(0.0, -1.0) returns.
inline constexpr double PI = 3.141592653589793;
inline constexpr double TWO_PI = PI + PI;
inline constexpr double LBF_PER_N = 1.0 / N_PER_LBF;
inline constexpr double SLUG_PER_KG = 1.0 / KG_PER_SLUG;
inline constexpr double LBM_PER_KG = 1.0 / KG_PER_LBM;
inline constexpr double IN_PER_M = 1.0 / M_PER_IN;
inline constexpr double FT_PER_M = 1.0 / M_PER_FT;
inline constexpr double RAD_PER_CYCLE = TWO_PI;
inline constexpr double CYCLE_PER_RAD = 1.0 / RAD_PER_CYCLE;
inline constexpr double RADS_PER_RPM = TWO_PI * (1.0 / 60.0);
inline constexpr double RPM_PER_RADS = 1.0 / RADS_PER_RPM;
inline constexpr double RAD_PER_DEG = PI * (1.0 / 180.0);
inline constexpr double DEG_PER_RAD = 1.0 / RAD_PER_DEG;

// An input converted to SI must be strictly greater than this to be used as
// a divisor; anything else (zero, negative, NaN) is an input error.
inline constexpr double ZERO_LIMIT = 1e-50;

}  // namespace units
