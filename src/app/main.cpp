// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

namespace {

// A failure inside a handler reaches the user as a message instead of ending
// the program; the data store's writes are transactional, so stored data is intact.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox box(QMessageBox::Warning, "Dravik Sport - Program", QString::fromStdString(e.what()),
                            QMessageBox::Ok);
            box.setTextFormat(Qt::PlainText);
            box.exec();
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName("dravik-programme");
    // The installed menu entry and icon: the desktop shows them for the window too.
    QGuiApplication::setDesktopFileName("dravik-programme");
    QApplication::setWindowIcon(QIcon::fromTheme("dravik-programme"));
    return dravik::runProgram(app);
}
