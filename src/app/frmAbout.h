#pragma once

#include <QDialog>

// The About box: the program's title, version, makers and legal notice.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

public slots:
    void cmdOK_Click();
};
