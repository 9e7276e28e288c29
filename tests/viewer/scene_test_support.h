// Helpers of the 3D scene tests: a project on its own tables, quiet answers to the project's
// questions, and ways to pick primitives out of a scene.
#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "editor/program_data.h"
#include "editor/project.h"
#include "tests/support/recording_questions.h"
#include "viewer/scene_3d.h"

namespace vornel::test {

// A new project: 40 increments of 6 in (L = 20 ft), active width 12 in (W = 1 ft), p-y width
// 24 in (e = 0.2 ft), free height 96 in (H = 8 ft), one soil layer to 30 ft.
struct SceneProject {
    ProjectTables tables;
    TProgramData data{tables};
    SceneProject();
    SceneExtents extents() const { return scene_extents(data); }
    Scene3d scene(const SceneOptions& o = {}, const DeflectionCurve& c = {}) const {
        return build_scene(data, c, o, extents());
    }
};

// The project of a file read through the project facade, from a copy in a private folder
// (a staged deck writes its stage files beside itself).
struct LoadedProject {
    RecordingQuestions questions;
    QTemporaryDir folder;
    std::unique_ptr<Project> project;
    explicit LoadedProject(const QString& relative_path);
};

std::vector<ScenePrimitive> with_tag(const std::vector<ScenePrimitive>& v, SceneTag tag);
int count_tag(const std::vector<ScenePrimitive>& v, SceneTag tag);
QString source_file(const QString& relative);

}  // namespace vornel::test
