// ViewerQuestions: the messages of the results viewer's model.
//
// The main window answers with an information box; tests and the headless tools collect the
// texts, so nothing ever blocks.
#pragma once

#include <QString>

namespace vornel {

class ViewerQuestions {
  public:
    virtual ~ViewerQuestions() = default;
    virtual void inform(const QString& text) = 0;  // information box with an OK button
};

namespace viewer_text {
inline constexpr char kRunFailed[] = "An error occured in running the main program.";
inline constexpr char kNoMemory[] = "There is not enough memory to complete this task.";
}  // namespace viewer_text

}  // namespace vornel
