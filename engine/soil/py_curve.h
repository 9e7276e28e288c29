// One side of a generated p-y curve record, and what a curve method needs to build it.
//
// Every curve depth X of the p-y profile yields a record of two one-sided curves: the
// excavation side (soil in front of the wall, depth X below the excavation level) and the
// backfill side (the retained soil, depth H + X below the backfill surface). The soil
// properties are looked up once at X and used for both sides; only the depths differ.
//
// A side holds 17 points (y, p) in the problem's units: y deflection (length), p soil
// resistance per length of wall (force / length), before the p- and y-multipliers and the
// force shift, which the record writer applies.
#pragma once

#include <array>

namespace vornel::soil {

constexpr int kSidePoints = 17;

enum class Side { Excavation = 1, Backfill = 2 };

// Soil properties at one curve depth X (looked up on the excavation side).
struct CurveProperties {
    int layer = 1;            // p-y layer number, from 1
    double b = 0.0;           // width for soil resistance (pile diameter of the methods)
    double strength = 0;      // S(X): undrained shear strength, or uniaxial strength of rock
    double strength_top = 0;  // S at the top of the layer (weak rock)
    double phi = 0.0;         // friction angle, radians
    double e50 = 0.0;         // strain at half the strength; krm of weak rock
    double gamma = 0.0;       // average effective unit weight from the top of the profile to X
    double ca = 0.0;          // average strength of the layer (stiff clays, weak rock)
    double rqd = 0.0;         // rock quality designation, percent
    double k = 0.0;           // layer value 5: modulus of subgrade reaction, or rock mass modulus
};

// Where one side's curve sits.
struct SideDepths {
    Side side = Side::Excavation;
    double xs = 0.0;          // X on the excavation side, H + X on the backfill side
    double x = 0.0;           // depth used in the resistance formulas (equivalent depth below)
    double x0 = 0.0;          // actual depth below the surface of the side
    double layer_top = 0.0;   // XTOP of the curve's layer
    bool continuous = false;  // continuous wall: passive resistance replaces the pile wedge
    double mp = 1.0;          // p-multiplier at the curve depth (strong rock applies it itself)
};

// Values a method prints in its property table besides the soil properties.
struct CurveTableValues {
    double a = 0.0, b = 0.0;      // coefficients of the sand tables
    double pst = 0.0, psd = 0.0;  // wedge and flow-around resistance of sand
    double pc = 0.0, ps = 0.0;    // cohesion part and sand part of silt
    double su = 0.0;              // strong rock: half the uniaxial strength
};

struct SideCurve {
    std::array<double, kSidePoints> y{};
    std::array<double, kSidePoints> p{};
    // Points whose deflection is too small for the power law: the method used a secant
    // modulus there, and soft clay says so in the report.
    std::array<bool, kSidePoints> tiny{};
    double tiny_modulus = 0.0;
    double integrand = 0.0;  // resistance integrated over depth for the equivalent depth
    CurveTableValues table;
};

// Deflections below this value are treated as the origin of the power laws.
constexpr double kTinyDeflection = 1.0e-14;

}  // namespace vornel::soil
