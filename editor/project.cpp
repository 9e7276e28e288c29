#include "editor/project.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "editor/data_file_reader.h"
#include "editor/data_file_writer.h"
#include "editor/file_naming.h"
#include "editor/staging.h"

namespace vornel {

Project::Project(Questions& questions, QString current_folder)
    : q_(questions),
      data_(std::make_unique<TProgramData>(tables_)),
      folder_(current_folder.isEmpty() ? QDir::currentPath() : std::move(current_folder)) {}

QString Project::absolute(const QString& path) const {
    return QFileInfo(path).isAbsolute() ? path : QDir(folder_).filePath(path);
}

QString Project::stageFilePath(int stage) const {
    const QString beside = stage_file_name(dataFilePath(), stage);
    if (!private_stages_) return beside;
    return private_stages_->filePath(QFileInfo(beside).fileName());
}

QString Project::stageWritePath(int stage) {
    if (!private_stages_ && !folder_writable(QFileInfo(dataFilePath()).absolutePath(), fault_))
        moveStagesToPrivateFolder();
    return stageFilePath(stage);
}

// The stage files written so far beside a data file whose folder no longer takes new files
// move to the private folder, so that every stage is found in one place.
void Project::moveStagesToPrivateFolder() {
    if (private_stages_) return;
    private_stages_ = std::make_unique<QTemporaryDir>();
    for (int k = 1; k <= kMaxStages; ++k) {
        const QString beside = stage_file_name(dataFilePath(), k);
        if (QFileInfo(beside).isFile()) QFile::copy(beside, stageFilePath(k));
    }
}

void Project::resetFileState() {
    unread_.clear();
    private_stages_.reset();
}

// Names a Save As must not take: the file that could not be read completely, and a name
// that is one of its own stage files (stage 1 of "out.st1" would be written over it).
bool Project::refusedName(const QString& target) {
    const QString full = QFileInfo(target).absoluteFilePath();
    if (!unread_.isEmpty() && (full == unread_ || QFileInfo(full).canonicalFilePath() ==
                                                      QFileInfo(unread_).canonicalFilePath())) {
        q_.inform(QString(project_text::kNotOverwritten).arg(unread_));
        return true;
    }
    for (int k = 1; k <= kMaxStages; ++k)
        if (stage_file_name(full, k) == full) {
            q_.inform(QString(project_text::kStageName).arg(full));
            return true;
        }
    return false;
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
        case Questions::Answer::Cancel:
            return false;
        case Questions::Answer::No:
            return true;
        case Questions::Answer::Yes:
            break;
    }
    // A failed save stops the command as well: unsaved work is never discarded.
    return save() && !is_new_file_name(data_->FileName);
}

bool Project::newProject() {
    if (!askToSave()) return false;
    data_ = std::make_unique<TProgramData>(tables_);
    resetFileState();
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
    // A file that cannot be read leaves the current project as it is. Only regular files are
    // opened: a pipe or a device would never end.
    if (QFileInfo(full).exists() && !QFileInfo(full).isFile()) {
        result.error = QStringLiteral("Cannot open file %1: it is not a regular file").arg(full);
        q_.inform(result.error);
        return result;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Cannot open file %1: %2").arg(full, f.errorString());
        q_.inform(result.error);
        return result;
    }
    const QByteArray content = f.readAll();
    f.close();
    result.opened = true;
    data_ = std::make_unique<TProgramData>(tables_);
    resetFileState();
    folder_ = QFileInfo(full).absolutePath();
    data_->FileName = full;
    const DataFormat fmt = format.value_or(format_for_extension(full));
    const ReadOutcome read = read_data_file(content, *data_, DeckLayout::of(fmt));
    if (!read.ok) {
        result.error = read.error;
        q_.inform(read.error);
        // What follows the error took defaults: the project is not the file any more.
        unread_ = QFileInfo(full).absoluteFilePath();
    }
    clearModified();
    data_->HasEICount = true;
    data_->HasTiebacks = fmt == DataFormat::V2015;
    recent_.add(full);
    if (!read.ok || !quiet_read_)
        q_.inform(QStringLiteral("Data file: ") + display_name(full) +
                  (read.ok ? QStringLiteral(", has been read by VORNEL 2015")
                           : QString::fromLatin1(project_text::kReadIncomplete)));
    q_.showStatus(statusText());
    if (data_->StageCount > 1) {
        const int count = data_->StageCount;
        const int found = splitIntoStageFiles(content);
        if (!has_current_extension(full)) convertStageFiles(fmt, found);
        if (found < count) {
            const QString missing = missing_stages_text(full, count, found);
            if (result.error.isEmpty()) result.error = missing;
            q_.inform(missing);
            fillMissingStages(found);
        }
    }
    return result;
}

bool Project::openFromCommandLine(const QStringList& arguments) {
    const auto name = command_line_file(arguments);
    if (name && QFileInfo::exists(absolute(*name))) {
        quiet_read_ = true;
        const bool opened = openFile(*name).opened;
        quiet_read_ = false;
        return opened;
    }
    data_ = std::make_unique<TProgramData>(tables_);
    resetFileState();
    clearModified();
    return false;
}

// ---- Save, Save As ------------------------------------------------------------------------

// Adds the data file `target` joined from the stage files of `stage_source` to the set; when
// the names differ, the stage files move with it (written under the new name, the old ones
// removed once everything is in place).
bool Project::addJoinedStages(FileSet& files, const QString& target, const QString& stage_source) {
    QByteArray joined;
    std::vector<QByteArray> decks;
    for (int k = 1; k <= data_->StageCount; ++k) {
        QFile f(stage_source == dataFilePath() ? stageFilePath(k)
                                               : stage_file_name(stage_source, k));
        if (!f.open(QIODevice::ReadOnly)) {
            q_.inform(QStringLiteral("Cannot open file %1: %2").arg(f.fileName(), f.errorString()));
            return false;
        }
        decks.push_back(f.readAll());
        append_deck(joined, decks.back());
    }
    bool ok = files.add(target, joined);
    if (target == stage_source) return ok;
    // The stage files follow the data file to its new folder when it takes them; otherwise
    // they stay (or go) in the private folder.
    const bool beside = folder_writable(QFileInfo(target).absolutePath(), fault_);
    for (int k = 1; ok && k <= data_->StageCount; ++k) {
        const QString old_stage = stageFilePath(k);
        const QString new_stage =
            beside ? stage_file_name(target, k)
                   : QDir(QFileInfo(old_stage).absolutePath())
                         .filePath(QFileInfo(stage_file_name(target, k)).fileName());
        ok = files.add(new_stage, decks[static_cast<std::size_t>(k - 1)]);
        if (new_stage != old_stage) files.removeAfterCommit(old_stage);
    }
    return ok;
}

// Writes the data file `target` (and, staged, its stage files) as one set: all or nothing.
bool Project::writeProjectFiles(const QString& target, const QString& stage_source) {
    FileSet files(fault_);
    const bool added = data_->StageCount > 1 ? addJoinedStages(files, target, stage_source)
                                             : files.add(target, write_data_file(*data_));
    if (added && files.commit()) return true;
    if (!files.error().isEmpty()) q_.inform(files.error());
    return false;
}

bool Project::save() {
    if (data_->StageCount > 1 && !writeCurrentStage()) return false;
    if (is_new_file_name(data_->FileName) || !has_current_extension(data_->FileName) ||
        !unread_.isEmpty())
        return saveAs();
    const QString path = dataFilePath();
    const bool ok = writeProjectFiles(path, path);
    if (ok) clearModified();
    return ok;
}

bool Project::saveAs() {
    if (data_->StageCount > 1 && !writeCurrentStage()) return false;
    const auto chosen =
        q_.askSaveFileName({save_as_title(data_->FileName), save_as_suggestion(data_->FileName),
                            dialog_text::joined(dialog_text::kSaveFilters),
                            QString::fromLatin1(dialog_text::kDefaultSuffix)});
    if (!chosen) return false;
    return saveAsPath(chosen->path);
}

bool Project::saveAsPath(const QString& path) {
    const QString old_path = dataFilePath();
    data_->OldFileName = old_path;
    const QString target = absolute(path);
    if (refusedName(target)) return false;
    // All files of the project are replaced together: a failure changes none of them.
    if (!writeProjectFiles(target, old_path)) return false;
    if (target != old_path && folder_writable(QFileInfo(target).absolutePath(), fault_))
        private_stages_.reset();  // the stage files went beside the new data file
    unread_.clear();
    data_->FileName = target;
    folder_ = QFileInfo(target).absolutePath();
    recent_.add(target);
    clearModified();
    return true;
}

}  // namespace vornel
