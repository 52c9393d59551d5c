#ifndef DIALOGANSWERS_H
#define DIALOGANSWERS_H

#include <QStringList>

#include "UserDialogs.h"

// Answers the program's message boxes in place of the user: warnings are recorded and
// dismissed, questions are counted and answered with `answer`. answerDialogs() starts afresh,
// typically from a test's init(); forgetDialogs() gives the boxes back, typically from cleanup().
class DialogAnswers
{
protected:
    void answerDialogs()
    {
        warnings.clear();
        questions = 0;
        answer = true;
        UserDialogs::setWarningHandler([this](const QString &, const QString &text) {
            warnings << text;
            return true;
        });
        UserDialogs::setQuestionHandler([this](const QString &, const QString &) {
            ++questions;
            return answer;
        });
    }
    static void forgetDialogs()
    {
        UserDialogs::setWarningHandler(nullptr);
        UserDialogs::setQuestionHandler(nullptr);
        UserDialogs::setOpenFileHandler(nullptr);
        UserDialogs::setColorHandler(nullptr);
    }

    QStringList warnings;
    int questions = 0;
    bool answer = true;
};

#endif // DIALOGANSWERS_H
