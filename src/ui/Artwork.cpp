#include "ui/Artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {
const QColor brand(0, 114, 188);
const QColor brandDark(0, 70, 120);
const QColor idle(190, 190, 190);
} // namespace

void logo(QPainter &p, const QRectF &r)
{
    // a round robot head on a stalk, with the name beside it
    const qreal s = qMin(r.width() / 2.2, r.height());
    const QRectF head(r.left() + s * 0.08, r.center().y() - s * 0.42, s * 0.84, s * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(brand);
    p.drawRoundedRect(head, s * 0.12, s * 0.12);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(head.left() + head.width() * 0.32, head.center().y()), s * 0.09, s * 0.09);
    p.drawEllipse(QPointF(head.left() + head.width() * 0.68, head.center().y()), s * 0.09, s * 0.09);
    p.setBrush(brandDark);
    p.drawRect(QRectF(head.center().x() - s * 0.04, head.bottom(), s * 0.08, s * 0.22));
    p.drawRoundedRect(QRectF(head.left() + s * 0.12, head.bottom() + s * 0.22, head.width() - s * 0.24, s * 0.1),
                      s * 0.04, s * 0.04);

    const QRectF text(head.right() + s * 0.12, r.top(), r.right() - head.right() - s * 0.12, r.height());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(1, int(qMin(s * 0.3, text.width() / 6.2))));
    p.setFont(font);
    p.setPen(brandDark);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("QuorvelBot\nVindra"));
}

void drivePad(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(245, 248, 252));
    p.setPen(QPen(QColor(200, 210, 225), 1));
    for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(r.left() + r.width() * i / 4, r.top()), QPointF(r.left() + r.width() * i / 4, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + r.height() * i / 4), QPointF(r.right(), r.top() + r.height() * i / 4));
    }
    p.setPen(QPen(brand, 1.5));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.center(), r.width() * 0.06, r.width() * 0.06);
    // arrows for the four directions
    p.setBrush(brand);
    p.setPen(Qt::NoPen);
    const qreal a = qMin(r.width(), r.height()) * 0.06;
    const auto arrow = [&](QPointF tip, QPointF dir) {
        const QPointF side(-dir.y(), dir.x());
        QPainterPath path(tip);
        path.lineTo(tip - dir * a * 1.6 + side * a);
        path.lineTo(tip - dir * a * 1.6 - side * a);
        path.closeSubpath();
        p.drawPath(path);
    };
    arrow(QPointF(r.center().x(), r.top() + a), QPointF(0, -1));
    arrow(QPointF(r.center().x(), r.bottom() - a), QPointF(0, 1));
    arrow(QPointF(r.left() + a, r.center().y()), QPointF(-1, 0));
    arrow(QPointF(r.right() - a, r.center().y()), QPointF(1, 0));
    p.setPen(QPen(QColor(160, 170, 185), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

void padMarker(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(brandDark, 1.5));
    p.setBrush(QColor(255, 160, 0));
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
}

void joystick(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brandDark);
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.1, r.bottom() - r.height() * 0.3, r.width() * 0.8,
                             r.height() * 0.25),
                      2, 2);
    p.drawRect(QRectF(r.center().x() - r.width() * 0.06, r.top() + r.height() * 0.3, r.width() * 0.12,
                      r.height() * 0.45));
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QPointF(r.center().x(), r.top() + r.height() * 0.25), r.width() * 0.18, r.width() * 0.18);
}

void battery(QPainter &p, const QRectF &r, int level)
{
    const QRectF body(r.left() + 1, r.top() + r.height() * 0.15, r.width() * 0.86, r.height() * 0.7);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(body.right(), body.center().y() - body.height() * 0.22, r.width() * 0.08, body.height() * 0.44));
    const QColor fill = level <= 1 ? QColor(220, 40, 40) : level <= 2 ? QColor(240, 170, 0) : QColor(40, 170, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    const QRectF inner = body.adjusted(2, 2, -2, -2);
    p.drawRect(QRectF(inner.left(), inner.top(), inner.width() * qBound(0, level, 6) / 6.0, inner.height()));
}

void batteryCharging(QPainter &p, const QRectF &r)
{
    QPainterPath bolt;
    const qreal cx = r.center().x() - r.width() * 0.04, top = r.top() + r.height() * 0.1, h = r.height() * 0.8;
    bolt.moveTo(cx + h * 0.15, top);
    bolt.lineTo(cx - h * 0.2, top + h * 0.55);
    bolt.lineTo(cx, top + h * 0.55);
    bolt.lineTo(cx - h * 0.12, top + h);
    bolt.lineTo(cx + h * 0.25, top + h * 0.4);
    bolt.lineTo(cx + h * 0.05, top + h * 0.4);
    bolt.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 220, 0));
    p.drawPath(bolt);
}

void batteryNotPresent(QPainter &p, const QRectF &r)
{
    battery(p, r, 0);
    p.setPen(QPen(QColor(220, 40, 40), 2));
    p.drawLine(QPointF(r.left() + r.width() * 0.25, r.top() + 2), QPointF(r.right() - r.width() * 0.3, r.bottom() - 2));
}

void wireless(QPainter &p, const QRectF &r, int bars)
{
    const qreal w = r.width() / 5.0;
    for (int i = 0; i < 4; ++i) {
        const qreal h = r.height() * (i + 1) / 4.0 * 0.85;
        p.setPen(Qt::NoPen);
        p.setBrush(i < bars ? brand : idle);
        p.drawRect(QRectF(r.left() + w * (i + 0.5), r.bottom() - h - 1, w * 0.75, h));
    }
}

void ethernet(QPainter &p, const QRectF &r)
{
    const QRectF plug(r.left() + r.width() * 0.2, r.top() + r.height() * 0.2, r.width() * 0.6, r.height() * 0.5);
    p.setPen(QPen(brandDark, 1.2));
    p.setBrush(QColor(230, 236, 245));
    p.drawRect(plug);
    p.setBrush(brandDark);
    p.drawRect(QRectF(plug.center().x() - plug.width() * 0.2, plug.bottom(), plug.width() * 0.4, r.height() * 0.2));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(plug.left() + plug.width() * (i + 1) / 5, plug.top() + 2),
                   QPointF(plug.left() + plug.width() * (i + 1) / 5, plug.top() + plug.height() * 0.45));
}

} // namespace artwork
