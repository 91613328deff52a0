#pragma once
#include <QString>

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
};

class MessageBoxPrompter : public Prompter {
public:
    void inform(QWidget* parent, const QString& text, const QString& title) override;
    bool ask(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace dravik
