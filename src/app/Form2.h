#pragma once

#include <QUrl>
#include <QWidget>

class WebBrowser;

// The help window: the help page that comes with the program, in a browser of its own.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(const QString& helpPage, QWidget* parent = nullptr);

    WebBrowser* WebBrowser1() const { return m_browser; }

private:
    void Form_Load(const QString& helpPage);

    WebBrowser* m_browser;
};
