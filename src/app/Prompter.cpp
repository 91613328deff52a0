#include "app/Prompter.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace dravik {

void MessageBoxPrompter::inform(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

bool MessageBoxPrompter::ask(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    // The Afrikaans window asks in Afrikaans, buttons too.
    if (parent && parent->window()->objectName() == "frmAfr2") {
        box.button(QMessageBox::Yes)->setText("Ja");
        box.button(QMessageBox::No)->setText("Nee");
    }
    return box.exec() == QMessageBox::Yes;
}

} // namespace dravik
