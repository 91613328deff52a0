// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace dravik {

// The window's way of telling and asking the user; tests answer through their own.
class Prompter {
public:
    virtual ~Prompter() = default;
    // An OK-only message box.
    virtual void inform(QWidget* parent, const QString& text, const QString& title) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(QWidget* parent, const QString& text, const QString& title) = 0;
    // A question answered by one of the buttons, the last being Cancel; the index of the chosen one
    // (closing the box chooses the last).
    virtual int choose(QWidget* parent, const QString& text, const QString& title, const QStringList& buttons) = 0;
};

class MessageBoxPrompter : public Prompter {
public:
    void inform(QWidget* parent, const QString& text, const QString& title) override;
    bool ask(QWidget* parent, const QString& text, const QString& title) override;
    int choose(QWidget* parent, const QString& text, const QString& title, const QStringList& buttons) override;
};

} // namespace dravik
