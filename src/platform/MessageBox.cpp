#include "MessageBox.h"

#include <QMessageBox>

void DesktopMessageBox::show(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, parent);
    box.exec();
}
