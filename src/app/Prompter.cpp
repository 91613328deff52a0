// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Prompter.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace dravik {

// Messages quote names and texts from the data: "<b>x</b>" shows as typed, never as markup.
void MessageBoxPrompter::inform(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxPrompter::ask(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    // The Afrikaans window asks in Afrikaans, buttons too.
    if (parent && parent->window()->objectName() == "frmAfr2") {
        box.button(QMessageBox::Yes)->setText("Ja");
        box.button(QMessageBox::No)->setText("Nee");
    }
    return box.exec() == QMessageBox::Yes;
}

int MessageBoxPrompter::choose(QWidget* parent, const QString& text, const QString& title, const QStringList& buttons)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> added;
    for (const QString& b : buttons)
        added.append(box.addButton(b, QMessageBox::AcceptRole));
    // Escape and the close button choose the last one (Cancel).
    if (!added.isEmpty())
        box.setEscapeButton(added.last());
    box.exec();
    return static_cast<int>(added.indexOf(box.clickedButton()));
}

} // namespace dravik
