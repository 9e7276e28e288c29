// Support for the profile view tests (header only, shared with the window tests): projects read
// from the examples through Project, and a small English cantilever whose every table the tests set
// by hand.
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <memory>

#include "editor/project.h"
#include "tests/support/recording_questions.h"

namespace vornel::test {

struct ProfileProject {
    RecordingQuestions questions;
    Project project{questions};
    TProgramData& data() { return project.data(); }
};

// An example deck (file name without folder) opened as the editor opens it.
inline std::unique_ptr<ProfileProject> open_example(const QString& file_name) {
    auto p = std::make_unique<ProfileProject>();
    const QString path = QDir(QStringLiteral(VORNEL_SOURCE_DIR "/examples")).filePath(file_name);
    p->project.openFile(path);
    return p;
}

// English cantilever: 40 increments of 6 in (L = 240 in, t0 = 24 in), free height 120 in
// (a = 3 in), layers: soft clay to 5 ft (above the excavation level), sand to 30 ft; no
// restraints, springs or user curves; active and p-y widths 0 (no pile circles).
inline std::unique_ptr<ProfileProject> small_cantilever() {
    auto p = std::make_unique<ProfileProject>();
    TProgramData& d = p->data();
    d.Increments = 40;
    d.IncrementLength = 6.0;
    d.FreeHeight = 120.0;
    TGridTable& soil = d.tables().NewSoil;
    soil.setRowCount(2);
    soil.setItem(col::kSlType, 0, kSoftClay);
    soil.setReal(col::kSlDepth, 0, 5.0);
    soil.subTable(col::kSlParameters, 0)->setReal(0, 1, 110.0);
    soil.subTable(col::kSlParameters, 0)->setReal(1, 1, 250.0);
    soil.setItem(col::kSlType, 1, kSand);
    soil.setReal(col::kSlDepth, 1, 30.0);
    soil.subTable(col::kSlParameters, 1)->setReal(0, 1, 120.0);
    soil.subTable(col::kSlParameters, 1)->setReal(1, 1, 34.0);
    return p;
}

}  // namespace vornel::test
