#include "RobotFixture.h"
#include "RoomView.h"

#include <QApplication>
#include <QImage>
#include <QTest>

namespace {

const QColor signedInBody(70, 90, 170);

// Where pixels of about this colour lie: their count and mean position.
struct Patch {
    int pixels = 0;
    QPointF centre;
};

Patch find(const QImage &image, const QColor &colour)
{
    Patch patch;
    QPointF sum;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) {
                ++patch.pixels;
                sum += QPointF(x, y);
            }
    if (patch.pixels)
        patch.centre = sum / patch.pixels;
    return patch;
}

} // namespace

class RoomViewTest : public QObject {
    Q_OBJECT
private slots:
    void drawsTheRobotWhereItStands()
    {
        RobotFixture f;
        f.signIn();
        RoomView view(f.robot, f.protocol);
        view.resize(640, 520);

        f.robot.body().place(Pose{1.0, 1.0, 0});
        const Patch before = find(view.grab().toImage(), signedInBody);
        f.robot.body().place(Pose{5.0, 3.0, 0});
        const Patch after = find(view.grab().toImage(), signedInBody);
        QVERIFY(before.pixels > 100);
        // 4 m east and 2 m north: right and up on the screen, twice as far across.
        QVERIFY(after.centre.x() > before.centre.x() + 300);
        QVERIFY(after.centre.y() < before.centre.y() - 150);
    }

    void showsTheHeadlights()
    {
        RobotFixture f;
        f.signIn();
        RoomView view(f.robot, f.protocol);
        view.resize(640, 520);
        // Pixels of the yellow glow over the floor.
        const auto glowing = [&] {
            const QImage image = view.grab().toImage();
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.red() > 240 && c.green() > 225 && c.blue() < 200 && c.blue() > 80;
                }
            return count;
        };
        const int dark = glowing();
        f.robot.setHeadlights(75);
        QVERIFY(glowing() > dark + 500);
    }
};

QTEST_MAIN(RoomViewTest)
#include "RoomViewTest.moc"
