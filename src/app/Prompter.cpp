#include "app/Prompter.h"

#include <QMessageBox>

namespace dravik {

void MessageBoxPrompter::inform(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

bool MessageBoxPrompter::ask(QWidget* parent, const QString& text, const QString& title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace dravik
