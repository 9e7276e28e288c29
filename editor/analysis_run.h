// One analysis of the current project: save, check, hand the run files to the engine library
// and call its entry point once, then tell the user how it went.
//
// The library is loaded from the program's folder for this one call and unloaded afterwards,
// so every run starts the engine from its initial state. NAMES.dat and the engine's scratch
// files live in a private temporary folder that is the current folder only for the call.
// The call is synchronous on the calling thread; the window shows what it likes meanwhile
// (the wait cursor) through the busy hook.
//
// The engine writes each output (report, plot file, monitor file) to a temporary file and
// renames it into place; status 2 says that one of them could not be written completely and
// kept its previous contents. The run tells which by the file's identity (existence, size,
// modification time, inode) before and after the call, names it, and only a plot file that
// this run replaced is worth reading.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "editor/dynamic_library.h"
#include "editor/project.h"

namespace vornel {

// What identifies one version of a file: a file renamed into place has another inode.
struct FileIdentity {
    bool exists = false;
    long long size = 0;
    long long modifiedNs = 0;
    unsigned long long inode = 0;
    static FileIdentity of(const QString& path);
    bool operator==(const FileIdentity&) const = default;
};

class AnalysisRun {
  public:
    enum class Outcome {
        NotSaved,          // the project has no name yet (Save As cancelled) or saving failed
        CheckFailed,       // a consistency rule is broken; the warning was shown
        NoRunFolder,       // no private working folder could be made
        AlreadyRunning,    // a binding still exists
        LibraryFailed,     // library missing, failing to initialise, or without the entry
        Refused,           // the engine refused the interface code
        Completed,         // the engine ran; its own errors are in the report
        OutputNotWritten,  // the engine ran but could not write an output completely
    };
    // The engine's entry: the interface code in, the status out.
    using Engine = std::function<std::int32_t(std::int32_t)>;

    AnalysisRun(Project& project, Questions& questions, QString program_folder);
    ~AnalysisRun();

    void setProgramFolder(const QString& folder) { folder_ = folder; }
    const QString& programFolder() const { return folder_; }
    QString libraryPath() const;
    bool bindingExists() const { return binding_ != nullptr; }
    // Called with true just before the engine is called and with false when it has returned.
    void setBusyHook(std::function<void(bool)> hook) { busy_ = std::move(hook); }
    // Calls `engine` in place of the library's entry (a scripted engine for tests).
    void setEngine(Engine engine) { engine_ = std::move(engine); }

    // Runs the whole sequence up to the engine's return and its message; the binding is
    // released and the working folder removed before it returns.
    Outcome run();
    // After a run that reached the engine: whether it replaced the plot file, and the outputs
    // it could not write.
    bool plotFileReplaced() const { return plot_replaced_; }
    const QStringList& outputsNotWritten() const { return not_written_; }

  private:
    Outcome callEngine();
    Outcome engineReturned(std::int32_t status, const std::array<QString, 3>& outputs,
                           const std::array<FileIdentity, 3>& before);

    Project& project_;
    Questions& q_;
    QString folder_;
    std::unique_ptr<TDynamicLibrary> binding_;
    std::function<void(bool)> busy_;
    Engine engine_;
    bool plot_replaced_ = false;
    QStringList not_written_;
};

// Result file of the current data file with another extension (".vn5o", ".vn5p", ".vn5r").
QString result_file(const QString& data_file, const char* extension);

namespace run_text {
inline constexpr char kLibraryFile[] = "libVornel2015_DLL.so";
inline constexpr char kEntry[] = "_IVORNEL";
inline constexpr int kInterfaceCode = 7;
inline constexpr std::int32_t kRefusedStatus = 1;
inline constexpr std::int32_t kOutputNotWrittenStatus = 2;
inline constexpr char kReinitialize[] = "Attempt to reinitialize DLL";
inline constexpr char kInitFailed[] = "Attempt to initialize DLL failed";
inline constexpr char kNotConsistent[] =
    "Computations can not be performed. Executable files are not consistent.\n"
    "You may need to reinstall the program.\n"
    "Please contact Dovrik technical support at support@dovrik.com.";
inline constexpr char kCompleted[] =
    "Computations are completed. Please, check output file for results or error messages.";
inline constexpr char kNoRunFolder[] = "A temporary folder for the analysis could not be created.";
// %1: the files, one per line.
inline constexpr char kOneNotWritten[] =
    "Computations were performed, but this file could not be written completely:\n%1\n"
    "The previous file is kept. The disk may be full.";
inline constexpr char kSomeNotWritten[] =
    "Computations were performed, but these files could not be written completely:\n%1\n"
    "The previous files are kept. The disk may be full.";
inline constexpr char kUnknownNotWritten[] =
    "Computations were performed, but an output file could not be written completely.\n"
    "The disk may be full.";
}  // namespace run_text

}  // namespace vornel
