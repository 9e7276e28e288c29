// GraphQuestions: every dialog a graph window shows goes through here, so that tests answer
// them from a script: the file dialog of Save To Disk, the PDF file of a desktop without a
// printer, the print and page setup dialogs, the window's own dialogs and its messages.
#pragma once

#include <QString>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace vornel {

// A file named in a save dialog and the file type chosen there (one entry of its filter).
struct ChosenFile {
    QString path;
    QString filter;
};

class GraphQuestions {
  public:
    virtual ~GraphQuestions() = default;
    // A save dialog with overwrite prompt; `filter` in the form "Bitmap (*.bmp);;...".
    virtual std::optional<QString> askSaveFileName(const QString& title, const QString& filter,
                                                   const QString& defaultSuffix) = 0;
    // The same, telling also which type of the filter was chosen; the dialog adds that type's
    // extension to a name that has none.
    virtual std::optional<ChosenFile> askSaveFileAndType(const QString& title,
                                                         const QString& filter,
                                                         const QString& defaultSuffix) = 0;
    // The print dialog; false when cancelled.
    virtual bool askPrint(QPrinter& printer) = 0;
    // The page setup dialog; false when cancelled.
    virtual bool askPageSetup(QPrinter& printer) = 0;
    // Runs one of the window's dialogs (caption, legend, active curves, save attributes);
    // true when it ended with OK.
    virtual bool runDialog(QDialog& dialog) = 0;
    virtual void inform(const QString& text) = 0;  // information box with an OK button
    // Whether a printer is installed.
    virtual bool printerInstalled() = 0;
};

// The first extension a filter entry names: "PNG picture (*.png)" gives "png"; empty if none.
QString filter_extension(const QString& filter);

// The answers of the desktop: real dialogs and message boxes.
class DesktopGraphQuestions : public GraphQuestions {
  public:
    explicit DesktopGraphQuestions(QWidget* parent) : parent_(parent) {}
    std::optional<QString> askSaveFileName(const QString& title, const QString& filter,
                                           const QString& defaultSuffix) override;
    std::optional<ChosenFile> askSaveFileAndType(const QString& title, const QString& filter,
                                                 const QString& defaultSuffix) override;
    bool askPrint(QPrinter& printer) override;
    bool askPageSetup(QPrinter& printer) override;
    bool runDialog(QDialog& dialog) override;
    void inform(const QString& text) override;
    bool printerInstalled() override;

  private:
    QWidget* parent_;
};

}  // namespace vornel
