#include "PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::HighlightedText));
    if (!m_picture.isNull()) {
        painter.drawImage(QPoint(0, 0), m_picture);
    }
}
