#include "RoomView.h"

#include "RobotProtocol.h"
#include "SimRobot.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

constexpr int margin = 20;
constexpr int textHeight = 110;
constexpr double cameraField = 60; // degrees
constexpr double lightReach = 1.5; // metres

QPointF ahead(QPointF from, double angle, double distance)
{
    return from + QPointF(std::cos(angle), std::sin(angle)) * distance;
}

// A wedge from centre out to reach, around angle (radians), wide degrees across.
QPainterPath wedge(QPointF centre, double angle, double wide, double reach)
{
    QPainterPath path(centre);
    const double half = qDegreesToRadians(wide / 2);
    const int steps = 12;
    for (int i = 0; i <= steps; ++i)
        path.lineTo(ahead(centre, angle - half + 2 * half * i / steps, reach));
    path.closeSubpath();
    return path;
}

} // namespace

RoomView::RoomView(const SimRobot &robot, const RobotProtocol &protocol, QWidget *parent)
    : QWidget(parent), robot(robot), protocol(protocol)
{
    setWindowTitle(QStringLiteral("quorvelbot-sim"));
    setMinimumSize(400, 320);
    connect(&refresh, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    refresh.start(refreshMs);
}

QStringList RoomView::stateLines() const
{
    const RobotBody &body = robot.body();
    const Battery &battery = robot.battery();
    const QString session = protocol.inSession()
                                ? QStringLiteral("signed in: %1%2").arg(protocol.signedInUser().name,
                                                                        protocol.signedInUser().admin
                                                                            ? QStringLiteral(" (admin)")
                                                                            : QString())
                                : QStringLiteral("no controller signed in");
    return {session + QStringLiteral("    model %1").arg(robot.facts().model),
            QStringLiteral("wheels L %1 %  R %2 %    acceleration %3    drive time-out %4 ms")
                .arg(qRound(body.leftSpeed()))
                .arg(qRound(body.rightSpeed()))
                .arg(body.acceleration())
                .arg(body.driveTimeOut()),
            QStringLiteral("camera pan %1°  tilt %2°    headlights %3 %    laser %4    head charging %5")
                .arg(robot.panDegrees())
                .arg(robot.tiltDegrees())
                .arg(robot.headlights())
                .arg(robot.laserOn() ? QStringLiteral("on") : QStringLiteral("off"),
                     robot.headChargingOn() ? QStringLiteral("on") : QStringLiteral("off")),
            QStringLiteral("battery %1 %").arg(battery.percent())
                + (battery.onCharger() ? QStringLiteral(" on the charger") : QString())
                + QStringLiteral("    wireless %1 %2 %").arg(robot.currentNetwork()).arg(robot.signalPercent())};
}

void RoomView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(40, 44, 52));

    const QRectF floor = robot.body().room().floor();
    const QRectF area(margin, margin, width() - 2 * margin, height() - 2 * margin - textHeight);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    const double scale = std::min(area.width() / floor.width(), area.height() / floor.height());
    // Metres to pixels, north up.
    QTransform toScreen;
    toScreen.translate(area.left(), area.top() + floor.height() * scale);
    toScreen.scale(scale, -scale);
    toScreen.translate(-floor.left(), -floor.top());
    painter.setTransform(toScreen);

    painter.setPen(QPen(QColor(200, 200, 200), 0));
    painter.setBrush(QColor(236, 230, 214));
    painter.drawRect(floor);
    painter.setBrush(QColor(140, 110, 80));
    for (const QRectF &piece : robot.body().room().furniture())
        painter.drawRect(piece);
    painter.setBrush(QColor(60, 120, 200));
    painter.drawEllipse(floor.topLeft() + QPointF(0.1, 0.1), 0.08, 0.08); // the access point

    const Pose &pose = robot.body().pose();
    const QPointF centre = pose.centre();
    const double camera = pose.heading + qDegreesToRadians(double(robot.panDegrees()));
    if (robot.headlights() > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 230, 80, 40 + robot.headlights() * 2));
        painter.drawPath(wedge(centre, pose.heading, 50, lightReach * robot.headlights() / 75));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(80, 160, 255, 70));
    painter.drawPath(wedge(centre, camera, cameraField, 1.0));
    if (robot.laserOn()) {
        const QPointF spot = ahead(centre, camera, robot.body().room().distanceAlong(centre, camera));
        painter.setPen(QPen(QColor(230, 30, 30), 0, Qt::DashLine));
        painter.drawLine(centre, spot);
        painter.setBrush(QColor(230, 30, 30));
        painter.drawEllipse(spot, 0.04, 0.04);
    }

    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(protocol.inSession() ? QColor(70, 90, 170) : QColor(130, 130, 130));
    painter.drawEllipse(centre, RobotBody::radius, RobotBody::radius);
    painter.setPen(QPen(Qt::white, 0.05, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, ahead(centre, pose.heading, RobotBody::radius * 0.95));
    if (robot.headChargingOn() || robot.battery().onCharger()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(80, 220, 100));
        painter.drawEllipse(centre, 0.05, 0.05);
    }

    painter.resetTransform();
    painter.setPen(QColor(230, 230, 230));
    const QFontMetrics metrics(painter.font());
    int y = height() - textHeight + margin / 2 + metrics.ascent();
    for (const QString &line : stateLines()) {
        painter.drawText(margin, y, line);
        y += metrics.lineSpacing() + 4;
    }
}
