// One analysis of the current project: save, check, hand the run files to the engine library
// and call its entry point once.
//
// The library is loaded from the program's folder for this one call and unloaded afterwards,
// so every run starts the engine from its initial state. NAMES.dat and the engine's scratch
// files live in a private temporary folder that is the current folder only for the call.
// The call is synchronous on the calling thread, under the wait cursor.
#pragma once

#include <QString>
#include <memory>

#include "editor/project.h"
#include "editor/ui/dynamic_library.h"
#include "editor/ui/window_questions.h"

namespace vornel {

class AnalysisRun {
  public:
    enum class Outcome {
        NotSaved,        // the project has no name yet (Save As cancelled) or saving failed
        CheckFailed,     // a consistency rule is broken; the warning was shown
        NoRunFolder,     // no private working folder could be made
        AlreadyRunning,  // a binding still exists
        LibraryFailed,   // library missing, failing to initialise, or without the entry
        Refused,         // the engine refused the interface code
        Completed        // the engine ran; its own errors are in the report
    };

    AnalysisRun(Project& project, WindowQuestions& questions, QString program_folder);

    void setProgramFolder(const QString& folder) { folder_ = folder; }
    const QString& programFolder() const { return folder_; }
    QString libraryPath() const;
    bool bindingExists() const { return binding_ != nullptr; }

    // Runs the whole sequence up to the engine's return and its message; the binding is
    // released and the working folder removed before it returns.
    Outcome run();

  private:
    Outcome callEngine();

    Project& project_;
    WindowQuestions& q_;
    QString folder_;
    std::unique_ptr<TDynamicLibrary> binding_;
};

// Result file of the current data file with another extension (".vn5o", ".vn5p", ".vn5r").
QString result_file(const QString& data_file, const char* extension);

namespace run_text {
inline constexpr char kLibraryFile[] = "libVornel2015_DLL.so";
inline constexpr char kEntry[] = "_IVORNEL";
inline constexpr int kInterfaceCode = 7;
inline constexpr char kReinitialize[] = "Attempt to reinitialize DLL";
inline constexpr char kInitFailed[] = "Attempt to initialize DLL failed";
inline constexpr char kNotConsistent[] =
    "Computations can not be performed. Executable files are not consistent.\n"
    "You may need to reinstall the program.\n"
    "Please contact Dovrik technical support at support@dovrik.com.";
inline constexpr char kCompleted[] =
    "Computations are completed. Please, check output file for results or error messages.";
inline constexpr char kNoRunFolder[] = "A temporary folder for the analysis could not be created.";
}  // namespace run_text

}  // namespace vornel
