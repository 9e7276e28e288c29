// The fills of the soil-layer strip: black patterns on white, one per soil code.
//
//   1 clay: dense diagonal lines      7 sand: fine dots
//   2 forward-diagonal hatch          8 silt: dashed horizontal lines
//   3 cross hatch                     9 strong rock: bricks
//   4 diagonal-cross hatch           10 weak rock: bricks crossed by diagonals
//   5 horizontal hatch               11 dots and pebbles
//   6 vertical hatch                 12 pebbles
// Any other code (0, the wall lines) has no fill. The screen and pictures use 80-pixel
// tiles, printing a 96-pixel variant with coarser strokes.
#pragma once

#include <QBrush>
#include <QImage>

namespace vornel {

// True for the codes that have a fill.
bool soil_code_filled(int code);
// The tile of a code (white background, black pattern); a null image for codes without fill.
QImage soil_tile(int code, bool large);
// A brush with that tile; Qt::NoBrush for codes without fill.
QBrush soil_brush(int code, bool large);

}  // namespace vornel
