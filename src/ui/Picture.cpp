#include "ui/Picture.h"

#include <QMouseEvent>
#include <QPainter>

Picture::Picture(Artwork artwork, QWidget *parent) : QWidget(parent), artwork(std::move(artwork)) {}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    artwork(painter, QRectF(rect()));
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event);
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event);
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event);
}
