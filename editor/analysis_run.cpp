#include "editor/ui/analysis_run.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdint>

#include "editor/file_naming.h"
#include "editor/ui/pre_run_checks.h"
#include "editor/ui/run_folder.h"

namespace vornel {

namespace {
// The hourglass for the duration of the call, restored however the call ends.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};
}  // namespace

QString result_file(const QString& data_file, const char* extension) {
    const QFileInfo info(data_file);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    return QDir(info.absolutePath()).filePath(base + QLatin1String(extension));
}

AnalysisRun::AnalysisRun(Project& project, WindowQuestions& questions, QString program_folder)
    : project_(project), q_(questions), folder_(std::move(program_folder)) {}

QString AnalysisRun::libraryPath() const {
    return QDir(folder_).filePath(QString::fromLatin1(run_text::kLibraryFile));
}

AnalysisRun::Outcome AnalysisRun::run() {
    if (!project_.save() || is_new_file_name(project_.data().FileName)) return Outcome::NotSaved;
    const QString broken = pre_run_check(project_.data());
    if (!broken.isEmpty()) {
        q_.warn(broken);
        return Outcome::CheckFailed;
    }
    if (binding_) {
        q_.inform(QString::fromLatin1(run_text::kReinitialize));
        return Outcome::AlreadyRunning;
    }
    return callEngine();
}

AnalysisRun::Outcome AnalysisRun::callEngine() {
    const QString data_file = project_.dataFilePath();
    RunFolder folder;
    if (!folder.isValid() ||
        !folder.writeNames(data_file, result_file(data_file, ".vn5o"),
                           result_file(data_file, ".vn5p"), result_file(data_file, ".vn5r"))) {
        q_.inform(QString::fromLatin1(run_text::kNoRunFolder));
        return Outcome::NoRunFolder;
    }
    using Entry = std::int32_t (*)(std::int32_t);
    Entry entry = nullptr;
    binding_ = std::make_unique<TDynamicLibrary>(libraryPath());
    try {
        binding_->open();
        entry = reinterpret_cast<Entry>(binding_->entry(run_text::kEntry));
    } catch (const EDLLError&) {
        entry = nullptr;
    }
    Outcome outcome = Outcome::LibraryFailed;
    if (!entry) {
        binding_.reset();
        q_.inform(QString::fromLatin1(run_text::kInitFailed));
    } else {
        std::int32_t result = 0;
        {
            WaitCursor wait;
            result = entry(run_text::kInterfaceCode);
        }
        outcome = result == 1 ? Outcome::Refused : Outcome::Completed;
        q_.inform(
            QString::fromLatin1(result == 1 ? run_text::kNotConsistent : run_text::kCompleted));
    }
    binding_.reset();  // unloads the library; the folder and NAMES.dat go with `folder`
    return outcome;
}

}  // namespace vornel
