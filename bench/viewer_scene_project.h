// The three-stage anchored example as the 3D view sees it at its last stage (tiebacks in
// place), read through the project facade from a copy in a private folder.
#pragma once

#include <filesystem>
#include <memory>

#include "editor/project.h"
#include "run_folder.h"

namespace vornel::bench {

class NoQuestions : public ProjectQuestions {
  public:
    Answer askYesNoCancel(const QString&) override { return Answer::No; }
    bool askYesNo(const QString&) override { return false; }
    std::optional<QString> askSaveFileName(const QString&, const QString&) override { return {}; }
    void inform(const QString&) override {}
};

struct ThreeStageProject {
    RunFolder folder;
    NoQuestions questions;
    std::unique_ptr<Project> project = std::make_unique<Project>(questions);
    ThreeStageProject() {
        const auto copy = folder.path / "anchored_three_stage.vn5d";
        std::filesystem::copy_file(VORNEL_SOURCE_DIR "/examples/anchored_three_stage.vn5d", copy);
        project->openFile(QString::fromStdString(copy.string()));
        project->switchStage(project->data().StageCount);
    }
};

}  // namespace vornel::bench
