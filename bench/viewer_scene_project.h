// The three-stage anchored example as the 3D view sees it at its last stage (tiebacks in
// place), read through the project facade from a copy in a private folder.
#pragma once

#include <filesystem>
#include <memory>

#include "editor/console_questions.h"
#include "editor/project.h"
#include "run_folder.h"

namespace vornel::bench {

struct ThreeStageProject {
    RunFolder folder;
    ConsoleQuestions questions;
    std::unique_ptr<Project> project = std::make_unique<Project>(questions);
    ThreeStageProject() {
        const auto copy = folder.path / "anchored_three_stage.vn5d";
        std::filesystem::copy_file(VORNEL_SOURCE_DIR "/examples/anchored_three_stage.vn5d", copy);
        project->openFile(QString::fromStdString(copy.string()));
        project->switchStage(project->data().StageCount);
    }
};

}  // namespace vornel::bench
