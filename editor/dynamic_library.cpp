#include "editor/dynamic_library.h"

#include <QFileInfo>

namespace vornel {

void TDynamicLibrary::setLibraryName(const QString& path) {
    close();
    name_ = path;
}

void TDynamicLibrary::open() {
    if (isOpen()) return;
    if (!QFileInfo(name_).isFile()) throw EFileNotFoundError();
    auto library = std::make_unique<QLibrary>(name_);
    // Resolve everything at load time: a library with an unresolved symbol fails here, not
    // in the middle of an analysis.
    library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (library->load()) {
        library_ = std::move(library);
        return;
    }
    const QString why = library->errorString();
    if (why.contains(QLatin1String("cannot open shared object file"))) throw EFileNotFoundError();
    if (why.contains(QLatin1String("undefined symbol"))) throw EInitError();
}

QFunctionPointer TDynamicLibrary::entry(const char* name) const {
    if (!isOpen()) throw EDLLNotOpenError();
    return library_->resolve(name);
}

void TDynamicLibrary::close() {
    if (!library_) return;
    library_->unload();
    library_.reset();
}

}  // namespace vornel
