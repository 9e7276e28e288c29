// The stage commands of the project facade: writing and reading the current stage, switching
// stage, copying the previous stage, changing the stage count, and the stage files of Open.
#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "editor/data_file_reader.h"
#include "editor/data_file_writer.h"
#include "editor/project.h"
#include "editor/staging.h"

namespace vornel {

bool Project::writeCurrentStage() {
    TProgramData& d = *data_;
    d.StageFileName = stageWritePath(d.CurrentStage);
    if (!writeFile(d.StageFileName, write_stage_deck(d, d.CurrentStage))) return false;
    clearModified();
    return true;
}

void Project::readCurrentStage() {
    TProgramData& d = *data_;
    d.StageFileName = stageFilePath(d.CurrentStage);
    QFile f(d.StageFileName);
    if (!f.exists()) return;
    if (!f.open(QIODevice::ReadOnly)) {
        q_.inform(QStringLiteral("Cannot open file %1: %2").arg(f.fileName(), f.errorString()));
        return;
    }
    const ReadOutcome r =
        read_stage_file(f.readAll(), d, DeckLayout::stage(d.HasEICount, d.HasTiebacks));
    if (!r.ok) q_.inform(r.error);
    clearModified();
}

bool Project::switchStage(int stage) {
    TProgramData& d = *data_;
    if (stage == d.CurrentStage || stage < 1 || stage > d.StageCount) return false;
    const bool was_modified = isModified();
    // The stage is only left once its edits are safe in its file.
    if (!writeCurrentStage()) return false;
    d.CurrentStage = stage;
    readCurrentStage();
    modified_ = was_modified;
    q_.showStatus(statusText());
    return true;
}

bool Project::copyPreviousStage() {
    TProgramData& d = *data_;
    const int n = d.CurrentStage;
    if (n <= 1) return false;
    const QString question = QStringLiteral("Do you want to copy all information from Stage ") +
                             QString::number(n - 1) + QStringLiteral(" to Stage ") +
                             QString::number(n);
    if (!q_.askYesNo(question)) return false;
    d.CurrentStage = n - 1;
    readCurrentStage();
    d.CurrentStage = n;
    if (!writeCurrentStage()) return false;
    readCurrentStage();  // shows the copy with this stage's own title
    return true;
}

void Project::deleteStageFiles(int from, int to) {
    for (int k = from; k <= to; ++k) QFile::remove(stageFilePath(k));
}

bool Project::applyStageCount(int new_count) {
    TProgramData& d = *data_;
    const int old_count = d.StageCount;
    new_count = std::clamp(new_count, 1, kMaxStages);
    // The current stage's edits go to its own file before stages are renumbered or re-read,
    // so that no stage takes over another one's unsaved data.
    if (old_count > 1 && !writeCurrentStage()) return false;
    d.StageCount = new_count;
    if (new_count == 1 || old_count == 1 || new_count < old_count) d.CurrentStage = 1;
    q_.showStatus(statusText());
    if (new_count == 1) {
        deleteStageFiles(1, kMaxStages);
    } else if (new_count != old_count) {
        const int current = d.CurrentStage;
        for (int k = 1; k <= new_count; ++k) {
            d.CurrentStage = k;
            readCurrentStage();
            d.StageCount = new_count;
            if (!writeCurrentStage()) return false;
        }
        d.CurrentStage = current;
        readCurrentStage();
    }
    if (new_count != old_count) modified_ = true;
    deleteStageFiles(new_count + 1, kMaxStages);
    return true;
}

int Project::splitIntoStageFiles(const QByteArray& content) {
    const auto decks = split_stages(content, data_->StageCount);
    for (size_t k = 0; k < decks.size(); ++k)
        writeFile(stageWritePath(static_cast<int>(k) + 1), decks[k], Durability::Copy);
    return static_cast<int>(decks.size());
}

// A data file that holds fewer decks than its first control line announces: each missing
// stage starts as a copy of the stage before it, as a stage added in the staged-construction
// dialog does, so that every stage has its file and the project can be saved.
void Project::fillMissingStages(int found) {
    TProgramData& d = *data_;
    const int count = d.StageCount;
    for (int k = std::max(found, 1) + 1; k <= count; ++k) {
        d.CurrentStage = k - 1;
        readCurrentStage();
        d.StageCount = count;
        d.CurrentStage = k;
        writeCurrentStage();
    }
    d.CurrentStage = 1;
    readCurrentStage();
    d.StageCount = count;
    modified_ = true;
}

// Stage files cut from an older data file are read in its layout and written back in the
// current one; from then on they are current files and are read with both flags on.
void Project::convertStageFiles(DataFormat format, int found) {
    TProgramData& d = *data_;
    const int count = d.StageCount;
    d.HasEICount = format == DataFormat::V2013 || format == DataFormat::V2015;
    d.HasTiebacks = format == DataFormat::V2015;
    for (int k = 1; k <= found; ++k) {
        d.CurrentStage = k;
        readCurrentStage();
        d.StageCount = count;  // the count of the first deck holds for the project
        writeCurrentStage();
        q_.showStatus(statusText());
    }
    d.HasEICount = true;
    d.HasTiebacks = true;
    d.CurrentStage = 1;
    readCurrentStage();
}

}  // namespace vornel
