#include "app/form_questions.h"

namespace vornel {

void FormQuestions::inform(const QString& text) {
    if (quiet_read_ && text.startsWith(QLatin1String("Data file: ")) &&
        text.endsWith(QLatin1String(", has been read by VORNEL 2015")))
        return;
    target_.inform(text);
}

}  // namespace vornel
