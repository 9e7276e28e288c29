// The questions and messages of the 3D view, so that tests script the answers and never
// block: information boxes (OpenGL failures, a picture that could not be written, a factor
// that is not a number) and the file dialogs of "Save Picture..." and of "Print..." without a
// printer.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace vornel {

class View3dQuestions {
  public:
    virtual ~View3dQuestions() = default;
    virtual void inform(const QString& text) = 0;
    // The picture's file name, or nothing when cancelled.
    virtual std::optional<QString> askPictureFileName(const QString& suggested) = 0;
    // No printer installed: the PDF file to print to, or nothing when cancelled.
    virtual std::optional<QString> askPdfFileName(const QString& suggested) = 0;
};

// The program's own: message boxes and the file dialog, parented to `parent`.
class DialogView3dQuestions : public View3dQuestions {
  public:
    explicit DialogView3dQuestions(QWidget* parent = nullptr) : parent_(parent) {}
    void inform(const QString& text) override;
    std::optional<QString> askPictureFileName(const QString& suggested) override;
    std::optional<QString> askPdfFileName(const QString& suggested) override;

  private:
    QWidget* parent_;
};

namespace view3d_text {
inline constexpr char kCaption[] = "3-D View";
inline constexpr char kSavePicture[] = "Save Picture...";
inline constexpr char kPrint[] = "Print...";
inline constexpr char kPrintFailed[] = "The 3D view could not be printed on %1.";
inline constexpr char kPictureNotWritten[] = "The picture could not be written to %1: %2";
inline constexpr char kNotNumber[] = " is not a valid number.";
}  // namespace view3d_text

}  // namespace vornel
