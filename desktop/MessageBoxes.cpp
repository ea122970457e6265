#include "desktop/MessageBoxes.h"

#include <QMessageBox>

namespace palettra::desktop {

void ShowErrorReport(QWidget& window, const texts::Message& report)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(report.title), QString::fromStdString(report.text),
        QMessageBox::Ok, &window);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowHelp(QWidget& window, const texts::Message& help)
{
    QMessageBox box(QMessageBox::Information, QString::fromStdString(help.title), QString::fromStdString(help.text),
        QMessageBox::Ok, &window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace palettra::desktop
