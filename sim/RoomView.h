#pragma once
#include <QTimer>
#include <QWidget>

class RobotProtocol;
class SimRobot;

// The room from above: walls and furniture, the robot with its heading, the
// direction its camera looks, its headlights and laser, and a few lines of
// state beside it. Repainted a few times a second.
class RoomView : public QWidget {
    Q_OBJECT
public:
    static constexpr int refreshMs = 50;

    RoomView(const SimRobot &robot, const RobotProtocol &protocol, QWidget *parent = nullptr);
    QSize sizeHint() const override { return {760, 560}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList stateLines() const;

    const SimRobot &robot;
    const RobotProtocol &protocol;
    QTimer refresh;
};
