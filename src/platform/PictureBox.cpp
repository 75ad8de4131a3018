#include "PictureBox.h"

#include <QFileInfo>
#include <QPainter>

PictureBox::PictureBox(const QString& name, const QString& emptyName, QWidget* parent)
    : QWidget(parent)
    , m_emptyName(emptyName)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(m_emptyName);
}

void PictureBox::setPicture(const QImage& picture, const QString& file)
{
    m_picture = picture;
    setAccessibleName(picture.isNull() ? m_emptyName : QFileInfo(file).fileName());
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
