// The main window's file commands: New, Open, Save, Save As, recent files, dropped files, the
// command line and closing.
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "app/main_form.h"
#include "editor/file_naming.h"

namespace vornel {

// Ask to save; when allowed, the windows of the old project are closed before it goes (they
// refer to its tables), and the answer is final: the project is not asked about again.
bool TMainForm::askToSave() {
    storeActiveChild();
    return project_.askToSave();
}

void TMainForm::discardChildren() {
    closeAllChildren();
    project_.setModified(false);
    project_.tables().resetChanged();
}

void TMainForm::fileNew() {
    if (!askToSave()) return;
    discardChildren();
    project_.newProject();
    results_.clear();
    resultsLoaded_ = false;
    afterProjectChanged();
}

void TMainForm::fileOpen() {
    if (!askToSave()) return;
    const auto choice = questions_->askOpenFileName(
        {QString::fromLatin1(dialog_text::kOpenTitle), project_.currentFolder(),
         dialog_text::joined(dialog_text::kOpenFilters),
         QString::fromLatin1(dialog_text::kDefaultSuffix)});
    if (!choice) return;
    openPath(choice->path, format_for_filter(choice->filterIndex));
}

void TMainForm::openByExtension(const QString& path) {
    if (!askToSave()) return;
    openPath(path, std::nullopt);
}

void TMainForm::openRecent(int n) {
    const QStringList& entries = project_.recentFiles().entries();
    if (n < 0 || n >= entries.size()) return;
    openByExtension(entries[n]);
}

void TMainForm::openPath(const QString& path, std::optional<DataFormat> format) {
    discardChildren();
    const OpenResult r = project_.openFile(path, format);
    if (r.opened) {
        loadResults(false);
        writeSettings();  // the recent-file list changed
    }
    afterProjectChanged();
}

void TMainForm::loadResults(bool report_failure) {
    const QString plot = result_file(project_.dataFilePath(), ".vn5p");
    results_.clear();
    resultsLoaded_ =
        QFileInfo::exists(plot) && results_.read(plot, project_.data(), report_failure);
    // A plot file of another project would be drawn over this one's wall and units.
    if (resultsLoaded_) {
        const QString mismatch = results_.mismatch(project_.data());
        if (!mismatch.isEmpty()) {
            questions_->inform(mismatch);
            results_.clear();
            project_.data().Results.clear();
            resultsLoaded_ = false;
        }
    }
}

void TMainForm::openCommandLine(const QStringList& arguments) {
    const bool opened = project_.openFromCommandLine(arguments);
    // A file named that is not there: the engineer learns why the project is new.
    if (const auto name = command_line_file(arguments)) {
        const QString full =
            QFileInfo(*name).isAbsolute() ? *name : QDir(project_.currentFolder()).filePath(*name);
        if (!QFileInfo::exists(full))
            questions_->inform(QString::fromLatin1(main_text::kNoSuchFile).arg(full));
    }
    resultsLoaded_ = false;
    if (opened) {
        loadResults(false);
        writeSettings();
    }
    afterProjectChanged();
}

void TMainForm::fileSave() {
    storeActiveChild();
    const QString before = project_.dataFilePath();
    const bool saved = project_.save();
    // A save that had to ask for a name was a Save As.
    if (saved && project_.dataFilePath() != before) {
        writeSettings();
        closeAllChildren();
    }
    afterProjectChanged();
}

void TMainForm::fileSaveAs() {
    storeActiveChild();
    if (project_.saveAs()) {
        writeSettings();
        closeAllChildren();
    }
    afterProjectChanged();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!askToSave()) {
        event->ignore();
        return;
    }
    writeSettings();
    closeAllChildren();
    event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    openByExtension(urls.front().toLocalFile());
}

}  // namespace vornel
