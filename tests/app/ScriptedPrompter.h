#pragma once
#include "app/Prompter.h"

#include <QStringList>

#include <deque>

namespace dravik::test {

// Records every message and answers questions from a script (No, or Cancel, when it runs out).
class ScriptedPrompter : public Prompter {
public:
    void inform(QWidget*, const QString& text, const QString& title) override { told.push_back(title + ": " + text); }
    bool ask(QWidget*, const QString& text, const QString& title) override
    {
        asked.push_back(title + ": " + text);
        if (answers.empty())
            return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    int choose(QWidget*, const QString& text, const QString& title, const QStringList& buttons) override
    {
        asked.push_back(title + ": " + text + " [" + buttons.join("|") + "]");
        if (choices.empty())
            return static_cast<int>(buttons.size()) - 1;
        int c = choices.front();
        choices.pop_front();
        return c;
    }
    QStringList told, asked;
    std::deque<bool> answers;
    std::deque<int> choices; // button indexes for choose(); the last (Cancel) when it runs out
};

} // namespace dravik::test
