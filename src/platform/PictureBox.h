#pragma once

#include <QImage>
#include <QWidget>

// Shows one picture at its own size from the top-left corner, cut off where it does not fit,
// never scaled; or nothing.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(const QString& name, QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    void clear() { setPicture(QImage()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
