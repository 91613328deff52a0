// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppSession.h"
#include "app/MainWindow.h"
#include "app/Prompter.h"
#include "data/SuiteSetup.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTableView>
#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

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

// A suite of its own in a temporary folder (the demo meeting unless told
// otherwise) and the program's session on it, answered by a scripted prompter.
struct SuiteSession {
    explicit SuiteSession(bool demo = true) { createSuiteFolder(dir.folder(), demo); }
    // Runs SQL on one of the suite's databases, as "Dsd07.mdb" for the paths.
    void exec(const std::string& file, const std::string& sql)
    {
        SQLite::Database(dir.folder() + file, SQLite::OPEN_READWRITE).exec(sql);
    }
    // The language option: 1 English, 0 Afrikaans.
    void setTaal(int taal) { exec("Dsd05.mdb", "UPDATE Opsies SET Taal = " + std::to_string(taal)); }
    std::vector<std::string> rows(const std::string& sql)
    {
        SQLite::Database meeting(dir.folder() + "Dsd00.mdb");
        return queryRows(meeting, sql);
    }

    TempFolder dir;
    ScriptedPrompter prompter;
    AppSession session{dir.folder(), prompter};
};

template <typename T = QWidget>
T* child(QWidget& w, const std::string& name)
{
    T* c = w.findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}
// Clicks a button whether or not its tab is the one shown.
inline void click(QWidget& w, const std::string& name)
{
    child<QAbstractButton>(w, name)->click();
}
// Makes a grid row (1 on) current in a table view, as a click on it does.
inline void select(QWidget& w, const std::string& view, int gridRow)
{
    auto* v = child<QTableView>(w, view);
    v->setCurrentIndex(v->model()->index(gridRow - 1, 0));
    emit v->clicked(v->currentIndex());
}

} // namespace dravik::test
