#pragma once
#include <QWidget>
#include <functional>

class QPainter;

// A picture control that paints its artwork at whatever size it has, so it
// stays sharp at every display scale.
class Picture : public QWidget {
    Q_OBJECT
public:
    using Artwork = std::function<void(QPainter &, const QRectF &)>;
    Picture(Artwork artwork, QWidget *parent);

signals:
    void pressed(QMouseEvent *event);
    void moved(QMouseEvent *event);
    void released(QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Artwork artwork;
};
