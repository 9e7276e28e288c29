#include "editor/analysis_run.h"

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>

#include "editor/file_naming.h"
#include "editor/pre_run_checks.h"
#include "editor/run_folder.h"

namespace vornel {

QString result_file(const QString& data_file, const char* extension) {
    const QFileInfo info(data_file);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    return QDir(info.absolutePath()).filePath(base + QLatin1String(extension));
}

FileIdentity FileIdentity::of(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {true, static_cast<long long>(st.st_size),
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
            static_cast<unsigned long long>(st.st_ino)};
}

AnalysisRun::AnalysisRun(Project& project, Questions& questions, QString program_folder)
    : project_(project), q_(questions), folder_(std::move(program_folder)) {}

AnalysisRun::~AnalysisRun() = default;

QString AnalysisRun::libraryPath() const {
    return QDir(folder_).filePath(QString::fromLatin1(run_text::kLibraryFile));
}

AnalysisRun::Outcome AnalysisRun::run() {
    plot_replaced_ = false;
    not_written_.clear();
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
    const std::array<QString, 3> outputs = {result_file(data_file, ".vn5o"),
                                            result_file(data_file, ".vn5p"),
                                            result_file(data_file, ".vn5r")};
    RunFolder folder;
    if (!folder.isValid() || !folder.writeNames(data_file, outputs[0], outputs[1], outputs[2])) {
        q_.inform(QString::fromLatin1(run_text::kNoRunFolder));
        return Outcome::NoRunFolder;
    }
    using Entry = std::int32_t (*)(std::int32_t);
    Engine entry = engine_;
    binding_ = std::make_unique<TDynamicLibrary>(libraryPath());
    if (!entry) {
        try {
            binding_->open();
            if (auto* f = reinterpret_cast<Entry>(binding_->entry(run_text::kEntry))) entry = f;
        } catch (const EDLLError&) {
            entry = nullptr;
        }
    }
    Outcome outcome = Outcome::LibraryFailed;
    if (!entry) {
        q_.inform(QString::fromLatin1(run_text::kInitFailed));
    } else {
        const std::array<FileIdentity, 3> before = {FileIdentity::of(outputs[0]),
                                                    FileIdentity::of(outputs[1]),
                                                    FileIdentity::of(outputs[2])};
        if (busy_) busy_(true);
        const std::int32_t status = entry(run_text::kInterfaceCode);
        if (busy_) busy_(false);
        outcome = engineReturned(status, outputs, before);
    }
    binding_.reset();  // unloads the library; the folder and NAMES.dat go with `folder`
    return outcome;
}

AnalysisRun::Outcome AnalysisRun::engineReturned(std::int32_t status,
                                                 const std::array<QString, 3>& outputs,
                                                 const std::array<FileIdentity, 3>& before) {
    if (status == run_text::kRefusedStatus) {
        q_.inform(QString::fromLatin1(run_text::kNotConsistent));
        return Outcome::Refused;
    }
    // A file that exists now and is not the version from before the call is this run's.
    std::array<bool, 3> replaced{};
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const FileIdentity after = FileIdentity::of(outputs[i]);
        replaced[i] = after.exists && !(after == before[i]);
    }
    plot_replaced_ = replaced[1];
    if (status != run_text::kOutputNotWrittenStatus) {
        q_.inform(QString::fromLatin1(run_text::kCompleted));
        return Outcome::Completed;
    }
    for (std::size_t i = 0; i < outputs.size(); ++i)
        if (!replaced[i]) not_written_ << QDir::toNativeSeparators(outputs[i]);
    if (not_written_.isEmpty()) {
        q_.inform(QString::fromLatin1(run_text::kUnknownNotWritten));
    } else {
        const char* text =
            not_written_.size() == 1 ? run_text::kOneNotWritten : run_text::kSomeNotWritten;
        q_.inform(QString::fromLatin1(text).arg(not_written_.join(QLatin1Char('\n'))));
    }
    return Outcome::OutputNotWritten;
}

}  // namespace vornel
