// ConsoleQuestions: the answers where nobody is there to answer (the command-line tools,
// scripts, benchmarks). Nothing is asked: a yes/no question gets the answer given at
// construction, Yes/No/Cancel gets No, no file is chosen and no dialog runs; the messages are
// collected in order.
#pragma once

#include <QString>
#include <QStringList>

#include "editor/questions.h"

namespace vornel {

class ConsoleQuestions : public Questions {
  public:
    explicit ConsoleQuestions(bool yes = false) : yes_(yes) {}
    void inform(const QString& text, const QString& = programTitle()) override { messages << text; }
    void warn(const QString& text) override { messages << text; }
    bool askYesNo(const QString&, const QString& = programTitle()) override { return yes_; }
    Answer askYesNoCancel(const QString&) override { return Answer::No; }
    std::optional<FileChoice> askSaveFileName(const FileDialog&) override { return std::nullopt; }

    QString last() const { return messages.isEmpty() ? QString() : messages.last(); }
    QStringList messages;

  private:
    bool yes_;
};

}  // namespace vornel
