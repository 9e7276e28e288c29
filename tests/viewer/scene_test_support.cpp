#include "scene_test_support.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vornel::test {

SceneProject::SceneProject() {
    data.Increments = 40;
    data.IncrementLength = 6;
    data.ActiveWidth = 12;
    data.PYWidth = 24;
    data.FreeHeight = 96;
    data.tables().NewSoil.setRowCount(1);
    data.tables().NewSoil.setReal(col::kSlDepth, 0, 30);
}

LoadedProject::LoadedProject(const QString& relative_path)
    : project(std::make_unique<Project>(questions)) {
    const QString copy = folder.filePath(QFileInfo(relative_path).fileName());
    QFile::copy(source_file(relative_path), copy);
    project->openFile(copy);
}

std::vector<ScenePrimitive> with_tag(const std::vector<ScenePrimitive>& v, SceneTag tag) {
    std::vector<ScenePrimitive> out;
    std::copy_if(v.begin(), v.end(), std::back_inserter(out),
                 [&](const ScenePrimitive& p) { return p.tag == tag; });
    return out;
}

int count_tag(const std::vector<ScenePrimitive>& v, SceneTag tag) {
    return static_cast<int>(
        std::count_if(v.begin(), v.end(), [&](const ScenePrimitive& p) { return p.tag == tag; }));
}

QString source_file(const QString& relative) {
    return QStringLiteral(VORNEL_SOURCE_DIR "/") + relative;
}

}  // namespace vornel::test
