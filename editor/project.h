// Project: the facade that the windows call for every file and stage command.
//
// It owns the tables and the one project object, the recent-file list and the editor-wide
// `Modified` flag, and runs New, Open, Save, Save As and the stage commands exactly as the
// windows will. Every question and message goes through Questions, which the main
// window implements with message boxes and the tests with scripted answers, so every path
// runs without a display.
//
// Files are written atomically: a failed write leaves the old file (or stage file) intact and
// is reported, and the command that needed it stops.
//
// Two rules keep a file the project did not fully understand from being overwritten: after a
// read error the project is not the file (Save asks for a name, and that name may not be the
// file that could not be read), and no data file may take a name that is one of its own stage
// files ("wall.st1"). Stage files live beside the data file when its folder is writable, else
// in a private folder of the project, so that a project opened from a read-only folder can
// still switch stages and be saved elsewhere.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "editor/atomic_file.h"
#include "editor/data_file_layout.h"
#include "editor/program_data.h"
#include "editor/project_tables.h"
#include "editor/questions.h"
#include "editor/recent_files.h"

namespace vornel {

struct OpenResult {
    bool opened = false;  // the file could be read at all
    QString error;        // the reader's or the system's message; empty when all was read
};

class Project {
  public:
    explicit Project(Questions& questions, QString current_folder = {});

    TProgramData& data() { return *data_; }
    ProjectTables& tables() { return tables_; }
    RecentFiles& recentFiles() { return recent_; }
    const QString& currentFolder() const { return folder_; }

    bool isModified() { return modified_ || tables_.anyChanged(); }
    void setModified(bool on) { modified_ = on; }
    QString caption() const;
    QString statusText() const;
    QString dataFilePath() const { return absolute(data_->FileName); }
    QString stageFilePath(int stage) const;
    // The file that could not be read completely and is therefore never overwritten; empty
    // when the project was read whole (or is new).
    const QString& unreadFile() const { return unread_; }

    // ---- File commands ----
    bool askToSave();  // true when the command may go on
    bool newProject();
    // Open command: asks to save, then opens with the filter index (0: by extension).
    bool open(const QString& path, int filter_index = 0);
    OpenResult openFile(const QString& path, std::optional<DataFormat> format = std::nullopt);
    // A file named on the command line, read without the read confirmation.
    bool openFromCommandLine(const QStringList& arguments);
    bool save();
    bool saveAs();
    bool saveAsPath(const QString& path);

    // ---- Stage commands ----
    bool writeCurrentStage();
    void readCurrentStage();
    bool switchStage(int stage);
    bool copyPreviousStage();
    bool applyStageCount(int new_count);  // OK in the staged-construction dialog

    void setWriteFault(std::optional<WriteFault> fault) { fault_ = fault; }

  private:
    QString absolute(const QString& path) const;
    bool writeFile(const QString& path, const QByteArray& content,
                   Durability durability = Durability::ToDisk);
    bool addJoinedStages(FileSet& files, const QString& target, const QString& stage_source);
    bool writeProjectFiles(const QString& target, const QString& stage_source);
    int splitIntoStageFiles(const QByteArray& content);  // the number of stage decks found
    void convertStageFiles(DataFormat format, int found);
    void fillMissingStages(int found);
    void deleteStageFiles(int from, int to);
    void clearModified();
    void resetFileState();
    // Where stage `stage` is written: beside the data file when its folder takes new files,
    // else in the project's private folder.
    QString stageWritePath(int stage);
    void moveStagesToPrivateFolder();
    bool refusedName(const QString& target);

    Questions& q_;
    ProjectTables tables_;
    std::unique_ptr<TProgramData> data_;
    RecentFiles recent_;
    QString folder_;
    bool modified_ = false;
    std::optional<WriteFault> fault_;
    QString unread_;
    bool quiet_read_ = false;  // no read confirmation (a file named on the command line)
    std::unique_ptr<QTemporaryDir> private_stages_;  // set while the stage files live there
};

namespace project_text {
inline constexpr char kSaveChanges[] = "Do you want to save any changes?";
inline constexpr char kStageStatus[] = "Construction Stage Number: ";
inline constexpr char kReadIncomplete[] =
    ", could not be read completely by VORNEL 2015. The values after the error are defaults; "
    "Save asks for a new name so that the file is not overwritten.";
inline constexpr char kNotOverwritten[] =
    "The file %1 could not be read completely and is not overwritten. Choose another name.";
inline constexpr char kStageName[] =
    "The name %1 is the name of a stage file of the project. Choose another name.";
}  // namespace project_text

}  // namespace vornel
