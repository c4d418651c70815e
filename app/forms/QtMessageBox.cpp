#include "forms/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace forms {

void QtMessageBox::show(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace forms
