#include "editor/project.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "editor/data_file_reader.h"
#include "editor/data_file_writer.h"
#include "editor/file_naming.h"
#include "editor/staging.h"

namespace vornel {

Project::Project(ProjectQuestions& questions, QString current_folder)
    : q_(questions),
      data_(std::make_unique<TProgramData>(tables_)),
      folder_(current_folder.isEmpty() ? QDir::currentPath() : std::move(current_folder)) {}

QString Project::absolute(const QString& path) const {
    return QFileInfo(path).isAbsolute() ? path : QDir(folder_).filePath(path);
}

QString Project::stageFilePath(int stage) const {
    return stage_file_name(dataFilePath(), stage);
}

QString Project::caption() const {
    return main_caption(data_->FileName);
}

QString Project::statusText() const {
    if (data_->StageCount <= 1) return {};
    return project_text::kStageStatus + QString::number(data_->CurrentStage);
}

void Project::clearModified() {
    modified_ = false;
    tables_.resetChanged();
}

bool Project::writeFile(const QString& path, const QByteArray& content, Durability durability) {
    const QString error = write_file_atomically(path, content, fault_, durability);
    if (error.isEmpty()) return true;
    q_.inform(error);
    return false;
}

// ---- Ask to save, New ---------------------------------------------------------------------

bool Project::askToSave() {
    if (!isModified()) return true;
    switch (q_.askYesNoCancel(project_text::kSaveChanges)) {
        case ProjectQuestions::Answer::Cancel:
            return false;
        case ProjectQuestions::Answer::No:
            return true;
        case ProjectQuestions::Answer::Yes:
            break;
    }
    // A failed save stops the command as well: unsaved work is never discarded.
    return save() && !is_new_file_name(data_->FileName);
}

bool Project::newProject() {
    if (!askToSave()) return false;
    data_ = std::make_unique<TProgramData>(tables_);
    clearModified();
    q_.showStatus({});
    return true;
}

// ---- Open ---------------------------------------------------------------------------------

bool Project::open(const QString& path, int filter_index) {
    if (!askToSave()) return false;
    const auto format =
        filter_index > 0 ? std::optional(format_for_filter(filter_index)) : std::nullopt;
    return openFile(path, format).opened;
}

OpenResult Project::openFile(const QString& path, std::optional<DataFormat> format) {
    OpenResult result;
    const QString full = absolute(path);
    QFile f(full);
    // A file that cannot be read leaves the current project as it is.
    if (!f.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Cannot open file %1: %2").arg(full, f.errorString());
        q_.inform(result.error);
        return result;
    }
    const QByteArray content = f.readAll();
    f.close();
    result.opened = true;
    data_ = std::make_unique<TProgramData>(tables_);
    folder_ = QFileInfo(full).absolutePath();
    data_->FileName = full;
    const DataFormat fmt = format.value_or(format_for_extension(full));
    const ReadOutcome read = read_data_file(content, *data_, DeckLayout::of(fmt));
    if (!read.ok) {
        result.error = read.error;
        q_.inform(read.error);
    }
    clearModified();
    data_->HasEICount = true;
    data_->HasTiebacks = fmt == DataFormat::V2015;
    recent_.add(full);
    q_.inform(QStringLiteral("Data file: ") + display_name(full) +
              QStringLiteral(", has been read by VORNEL 2015"));
    q_.showStatus(statusText());
    if (data_->StageCount > 1) {
        splitIntoStageFiles(content);
        if (!has_current_extension(full)) convertStageFiles(fmt);
    }
    return result;
}

bool Project::openFromCommandLine(const QStringList& arguments) {
    const auto name = command_line_file(arguments);
    if (name && QFileInfo::exists(absolute(*name))) return openFile(*name).opened;
    data_ = std::make_unique<TProgramData>(tables_);
    clearModified();
    return false;
}

// ---- Save, Save As ------------------------------------------------------------------------

bool Project::writeJoinedStages(const QString& target, const QString& stage_source) {
    QByteArray joined;
    for (int k = 1; k <= data_->StageCount; ++k) {
        QFile f(stage_file_name(stage_source, k));
        if (!f.open(QIODevice::ReadOnly)) {
            q_.inform(QStringLiteral("Cannot open file %1: %2").arg(f.fileName(), f.errorString()));
            return false;
        }
        append_deck(joined, f.readAll());
    }
    return writeFile(target, joined);
}

bool Project::save() {
    if (data_->StageCount > 1 && !writeCurrentStage()) return false;
    if (is_new_file_name(data_->FileName) || !has_current_extension(data_->FileName))
        return saveAs();
    const QString path = dataFilePath();
    const bool ok = data_->StageCount > 1 ? writeJoinedStages(path, path)
                                          : writeFile(path, write_data_file(*data_));
    if (ok) clearModified();
    return ok;
}

bool Project::saveAs() {
    if (data_->StageCount > 1 && !writeCurrentStage()) return false;
    const auto chosen =
        q_.askSaveFileName(save_as_suggestion(data_->FileName), save_as_title(data_->FileName));
    if (!chosen) return false;
    return saveAsPath(*chosen);
}

bool Project::saveAsPath(const QString& path) {
    const QString old_path = dataFilePath();
    data_->OldFileName = old_path;
    const QString target = absolute(path);
    bool ok = false;
    if (data_->StageCount > 1) {
        ok = writeJoinedStages(target, old_path);
        if (ok && target != old_path) ok = moveStageFiles(old_path, target);
    } else {
        ok = writeFile(target, write_data_file(*data_));
    }
    if (!ok) return false;
    data_->FileName = target;
    folder_ = QFileInfo(target).absolutePath();
    recent_.add(target);
    clearModified();
    return true;
}

bool Project::moveStageFiles(const QString& from_data_file, const QString& to_data_file) {
    for (int k = 1; k <= data_->StageCount; ++k) {
        const QString from = stage_file_name(from_data_file, k);
        const QString to = stage_file_name(to_data_file, k);
        if (!QFile::exists(from)) continue;
        QFile::remove(to);
        if (!QFile::rename(from, to)) {
            q_.inform(QStringLiteral("Cannot move file %1 to %2").arg(from, to));
            return false;
        }
    }
    return true;
}

}  // namespace vornel
