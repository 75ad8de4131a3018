#pragma once

#include <QImage>
#include <QWidget>

// Shows one picture at its own size from the top-left corner, cut off where it does not fit,
// never scaled; or nothing. A screen reader names it after the file shown, or with emptyName.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QString& name, const QString& emptyName, QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    // The picture read from file.
    void setPicture(const QImage& picture, const QString& file);
    void clear() { setPicture(QImage(), QString()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QString m_emptyName;
};
