// TDynamicLibrary: owns one shared library loaded at run time, the engine binding of a run.
//
// The library is loaded from a full path and unloaded on close, so that every run starts the
// engine from a freshly loaded image. The errors share the base class EDLLError.
#pragma once

#include <QLibrary>
#include <QString>
#include <memory>
#include <stdexcept>

namespace vornel {

class EDLLError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
class EInitError : public EDLLError {  // the library's initialisation failed
  public:
    EInitError() : EDLLError("Library failed to properly initialize") {}
};
class EFileNotFoundError : public EDLLError {  // the library or one it needs is missing
  public:
    EFileNotFoundError() : EDLLError("Library could not be located") {}
};
class EDLLNotOpenError : public EDLLError {
  public:
    EDLLNotOpenError() : EDLLError("Library is not open") {}
};

class TDynamicLibrary {
  public:
    explicit TDynamicLibrary(QString path = {}) : name_(std::move(path)) {}
    ~TDynamicLibrary() { close(); }
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    const QString& libraryName() const { return name_; }
    void setLibraryName(const QString& path);  // closes first
    bool isOpen() const { return library_ != nullptr; }

    // Does nothing when open. A missing file (or a missing library it needs) raises
    // EFileNotFoundError, a library whose initialisation fails raises EInitError; any other
    // failure leaves the library closed.
    void open();
    // The address of the named export, or null. Raises EDLLNotOpenError when closed.
    QFunctionPointer entry(const char* name) const;
    void close();

  private:
    QString name_;
    std::unique_ptr<QLibrary> library_;
};

}  // namespace vornel
