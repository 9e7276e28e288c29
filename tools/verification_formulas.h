// Closed-form mechanics and published soil-resistance laws, written independently of the
// engine, against which the verification cases check what the engine computes.
//
// Units are consistent (the caller's); angles in radians unless named in degrees; π is the
// exact value throughout (the engine's own constants, such as 3.1416, differ in the fifth
// or sixth digit and the tolerances of the cases allow for that).
#pragma once

#include <vector>

namespace vornel::verify {

// ---- Beams -------------------------------------------------------------------------------

// Cantilever of length L with a load P at its free end: deflection at distance x from the
// free end, P (2L^3 - 3L^2 x + x^3) / (6 EI); tip P L^3 / (3 EI).
double cantilever_tip_load_deflection(double P, double L, double EI, double x);

// Simply supported span L under a uniform load q: deflection at x from a support,
// q x (L^3 - 2 L x^2 + x^3) / (24 EI); mid-span 5 q L^4 / (384 EI), moment q L^2 / 8.
double simple_beam_uniform_deflection(double q, double L, double EI, double x);

// A free-free beam of length L on an elastic foundation of modulus k (force / length^2),
// loaded by P at its middle (Hetenyi): deflection and moment under the load, with
// beta = (k / 4EI)^(1/4):
//   w = P beta / (2k) (2 + cosh bL + cos bL) / (sinh bL + sin bL)
//   M = P / (4 beta) (cosh bL - cos bL) / (sinh bL + sin bL)
struct BeamOnFoundation {
    double centreDeflection = 0.0, centreMoment = 0.0;
};
BeamOnFoundation hetenyi_centre_load(double P, double L, double EI, double k);
// The same beam's deflection at distance s from the load, from the general solution
// e^{+-beta s}(A cos + B sin) with the free-end and symmetry conditions solved directly.
double foundation_beam_deflection(double P, double L, double EI, double k, double s);

// ---- Earth pressure ----------------------------------------------------------------------

// Rankine's active coefficient for level ground, tan^2(45 deg - phi / 2).
double rankine_ka(double phi_degrees);

// Horizontal pressure on a wall from a strip load q of width W whose middle lies X from the
// wall, at depth z (Boussinesq, doubled for the unyielding wall):
// (2 q / pi) (beta - sin beta cos(theta1 + theta2)), theta1,2 = atan((X -+ W/2) / z).
double boussinesq_strip_pressure(double q, double X, double W, double z);

// ---- p-y curves (static loading, per unit length of the pile of diameter b) --------------

struct ClayPoint {
    double c = 0.0;      // undrained shear strength at the depth
    double ca = 0.0;     // average strength from the surface to the depth
    double gamma = 0.0;  // average effective unit weight
    double b = 0.0;      // diameter
    double eps50 = 0.0;  // strain at half the strength
    double k = 0.0;      // initial modulus of subgrade reaction (force / length^3)
    double x = 0.0;      // depth below the ground
};
// Matlock (1970), soft clay: pu = min(3 + gamma x / c + 0.5 x / b, 9) c b, y50 = 2.5 eps50 b,
// p = 0.5 pu (y / y50)^(1/3) up to 8 y50, pu beyond.
double matlock_soft_clay(const ClayPoint& s, double y);
// Reese, Cox and Koop (1975), stiff clay with free water, with the initial line k x y.
double reese_stiff_clay_free_water(const ClayPoint& s, double y);
// Welch and Reese (1972), stiff clay without free water: pu = min(3 ca b + gamma b x +
// 0.5 ca x, 9 c b), y50 = 2.5 eps50 b, p = 0.5 pu (y / y50)^(1/4) up to 16 y50, pu beyond.
double welch_reese_stiff_clay(const ClayPoint& s, double y);

struct SandPoint {
    double phi = 0.0;  // friction angle, radians
    double c = 0.0;    // cohesion (silt only)
    double gamma = 0.0;
    double b = 0.0;
    double k = 0.0;
    double x = 0.0;
};
// The wedge and flow resistances of the sand model, and their smaller value.
struct SandResistance {
    double wedge = 0.0, flow = 0.0, ultimate = 0.0;
};
SandResistance sand_resistance(const SandPoint& s);
// The static coefficients A and B read at depth / b.
double sand_coefficient_a(double ratio);
double sand_coefficient_b(double ratio);
// Reese, Cox and Koop (1974), sand: straight initial line, parabola, straight line, pu.
double reese_sand(const SandPoint& s, double y);
// The c-phi (silt) curve: the sand wedge with a cohesion part in the middle of the curve.
double silt_c_phi(const SandPoint& s, double y);

struct RockPoint {
    double qu = 0.0;     // uniaxial compressive strength
    double gamma = 0.0;  // average effective unit weight
    double b = 0.0;
    double x = 0.0;    // depth below the rock surface
    double krm = 0.0;  // strain constant (weak rock)
    double Em = 0.0;   // rock mass modulus (weak rock)
    double rqd = 0.0;  // per cent (weak rock)
};
// Strong rock: p = 2000 su y up to 0.0004 b, then a slope of 100 su up to pu = su b
// (su = qu / 2); beyond, the broken rock resists only 0.5 gamma b x.
double strong_rock(const RockPoint& s, double y);
// Reese (1997), weak rock: Kir y up to yA, then 0.5 pur (y / yrm)^(1/4), at most pur.
double reese_weak_rock(const RockPoint& s, double y);

// ---- Convergence ---------------------------------------------------------------------------

// The observed order of accuracy log2(e(h) / e(h/2)) of successive errors.
std::vector<double> observed_orders(const std::vector<double>& errors);

}  // namespace vornel::verify
