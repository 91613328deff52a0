#pragma once
#include "app/Prompter.h"

#include <QStringList>

#include <deque>

namespace dravik::test {

// Records every message and answers questions from a script (No when it runs out).
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
    QStringList told, asked;
    std::deque<bool> answers;
};

} // namespace dravik::test
