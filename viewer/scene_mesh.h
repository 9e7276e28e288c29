// The scene's primitives tessellated into batches of lines and triangles, one colour each,
// ready to be recorded into a display list. Faces of solids are wound counter-clockwise seen
// from outside, so back faces can be culled; flat rectangles carry both windings so they
// show from above and below. Circular parts use 40 segments per full turn.
#pragma once

#include <cstddef>
#include <vector>

#include "viewer/scene_primitive.h"

namespace vornel {

enum class DrawMode { Lines, LineLoop, Triangles };

struct DrawBatch {
    DrawMode mode = DrawMode::Lines;
    SceneColor color;
    bool blend = false;  // translucent primitives only
    std::vector<Vec3> vertices;
};

struct SceneMesh {
    std::vector<DrawBatch> batches;
    size_t vertexCount() const;
};

constexpr int kCircleSegments = 40;

void tessellate(const ScenePrimitive& p, SceneMesh& mesh);
SceneMesh tessellate(const std::vector<ScenePrimitive>& primitives);

}  // namespace vornel
