#pragma once

#include <QString>

class QWidget;

// Modal message boxes, behind an interface so that tests can answer them without a screen.
class MessageBox
{
public:
    enum class Icon
    {
        None,
        Warning
    };

    virtual ~MessageBox() = default;
    // Shows the message with a single OK button and returns when the user has closed it.
    virtual void show(QWidget* parent, const QString& title, const QString& text, Icon icon) = 0;
    // Asks a question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
};

class DesktopMessageBox : public MessageBox
{
public:
    void show(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
};
