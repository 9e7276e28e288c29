// The private working folder of one analysis.
//
// The engine reads NAMES.dat from the current folder and writes its scratch files there. The
// program's own folder may not be writable (an installed program) and other code relies on
// the process's current folder, so each run gets a fresh temporary folder as its current
// folder; the previous current folder is restored and the folder with everything in it is
// deleted when the object goes, whether the run succeeded or not.
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vornel {

class RunFolder {
  public:
    RunFolder();
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    bool isValid() const { return valid_; }
    QString path() const { return dir_.path(); }

    // Writes NAMES.dat: the version text and the four run files, one per line.
    bool writeNames(const QString& data_file, const QString& report, const QString& plot,
                    const QString& monitor) const;

  private:
    QTemporaryDir dir_;
    QString previous_;
    bool valid_ = false;
};

inline constexpr char kNamesFile[] = "NAMES.dat";

}  // namespace vornel
