#include "Room.h"
#include "RobotBody.h"

#include <QTest>
#include <QtMath>

namespace {

// Drives as the controller does: the same command every 250 ms.
void driveFor(RobotBody &body, int left, int right, int milliseconds)
{
    for (int done = 0; done < milliseconds; done += 250) {
        body.drive(left, right);
        body.advance(std::min(250, milliseconds - done));
    }
}

// Facing east with this much room between the body and the east wall.
RobotBody facingEastWall(double clearance)
{
    const Room room = Room::standard();
    return RobotBody(room, Pose{room.floor().right() - RobotBody::radius - clearance, 1.0, 0});
}

} // namespace

class RobotBodyTest : public QObject {
    Q_OBJECT
private slots:
    void roomDistances_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("distance");
        QTest::newRow("east wall") << QPointF(1, 1) << 0.0 << 5.0;
        QTest::newRow("north wall") << QPointF(2, 1) << 90.0 << 3.0;
        QTest::newRow("west wall") << QPointF(1, 1) << 180.0 << 1.0;
        QTest::newRow("corner diagonal") << QPointF(1, 1) << -135.0 << std::sqrt(2.0);
        QTest::newRow("table's south side") << QPointF(4.0, 1.0) << 90.0 << 1.4;
        QTest::newRow("cabinet's south side") << QPointF(0.5, 1.0) << 90.0 << 2.4;
    }
    void roomDistances()
    {
        QFETCH(QPointF, from);
        QFETCH(double, degrees);
        QFETCH(double, distance);
        QVERIFY(qAbs(Room::standard().distanceAlong(from, qDegreesToRadians(degrees)) - distance) < 1e-9);
    }

    void roomBlocks_data()
    {
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("open floor") << QPointF(1.5, 1.5) << false;
        QTest::newRow("touching no wall") << QPointF(0.21, 1.5) << false;
        QTest::newRow("through the west wall") << QPointF(0.19, 1.5) << true;
        QTest::newRow("on the table") << QPointF(4.0, 2.5) << true;
        QTest::newRow("beside the table's corner") << QPointF(3.7, 2.3) << true;
        QTest::newRow("clear of the table's corner") << QPointF(3.6, 2.1) << false;
    }
    void roomBlocks()
    {
        QFETCH(QPointF, centre);
        QFETCH(bool, blocked);
        QCOMPARE(Room::standard().blocks(centre, RobotBody::radius), blocked);
    }

    void drivingMovesThePose_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("eastward");  // sign of the change of x
        QTest::addColumn<int>("northward"); // sign of the change of y
        QTest::addColumn<int>("turn");      // sign of the change of heading
        QTest::newRow("forward") << 99 << 99 << 1 << 0 << 0;
        QTest::newRow("backward") << -99 << -99 << -1 << 0 << 0;
        QTest::newRow("spin left") << -50 << 50 << 0 << 0 << 1;
        QTest::newRow("spin right") << 50 << -50 << 0 << 0 << -1;
        QTest::newRow("forward left") << 50 << 99 << 1 << 1 << 1;
        QTest::newRow("forward right") << 99 << 50 << 1 << -1 << -1;
    }
    void drivingMovesThePose()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, eastward);
        QFETCH(int, northward);
        QFETCH(int, turn);
        RobotBody body(Room::standard(), Pose{2, 2, 0});
        driveFor(body, left, right, 1000);
        const auto sign = [](double change) { return qAbs(change) < 1e-9 ? 0 : change > 0 ? 1 : -1; };
        QCOMPARE(sign(body.pose().x - 2), eastward);
        QCOMPARE(sign(body.pose().y - 2), northward);
        QCOMPARE(sign(body.pose().heading), turn);
    }

    void straightRunCoversTheDistanceOfItsSpeeds()
    {
        // At 400 %/s the wheels reach 99 % (0.495 m/s) after 0.2475 s,
        // covering 0.061 m, then run 0.7525 s at full speed.
        RobotBody body(Room::standard(), Pose{1, 2, 0});
        body.setAcceleration(20);
        driveFor(body, 99, 99, 1000);
        QVERIFY2(qAbs(body.pose().x - 1 - (0.0613 + 0.3725)) < 0.005, qPrintable(QString::number(body.pose().x)));
        QCOMPARE(body.leftSpeed(), 99.0);
    }

    void accelerationSettingPacesTheWheels_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<double>("after200ms");
        QTest::newRow("slow") << 5 << 20.0;
        QTest::newRow("medium") << 10 << 40.0;
        QTest::newRow("fast") << 20 << 80.0;
        QTest::newRow("below slow") << 0 << 20.0;
        QTest::newRow("above fast") << 30 << 80.0;
    }
    void accelerationSettingPacesTheWheels()
    {
        QFETCH(int, setting);
        QFETCH(double, after200ms);
        RobotBody body(Room::standard(), Pose{1, 2, 0});
        body.setAcceleration(setting);
        body.drive(99, -99);
        body.advance(200);
        QVERIFY(qAbs(body.leftSpeed() - after200ms) < 1e-6);
        QVERIFY(qAbs(body.rightSpeed() + after200ms) < 1e-6);
    }

    void stopsByItselfWhenCommandsStop_data()
    {
        QTest::addColumn<int>("timeOut");
        QTest::addColumn<int>("silence");
        QTest::addColumn<bool>("stillDemanded");
        QTest::newRow("within 500 ms") << 500 << 500 << true;
        QTest::newRow("past 500 ms") << 500 << 520 << false;
        QTest::newRow("within 1000 ms") << 1000 << 1000 << true;
        QTest::newRow("shortest kept at 250 ms") << 0 << 270 << false;
        QTest::newRow("longest kept at 2000 ms") << 60000 << 2020 << false;
    }
    void stopsByItselfWhenCommandsStop()
    {
        QFETCH(int, timeOut);
        QFETCH(int, silence);
        QFETCH(bool, stillDemanded);
        RobotBody body(Room::standard(), Pose{1, 2, 0});
        body.setAcceleration(20);
        body.setDriveTimeOut(timeOut);
        body.drive(40, 40);
        body.advance(silence);
        QCOMPARE(body.leftSpeed() == 40.0, stillDemanded);
        body.advance(RobotBody::longestDriveTimeOut);
        QCOMPARE(body.leftSpeed(), 0.0);
        QCOMPARE(body.rightSpeed(), 0.0);
    }

    void refusesToDriveIntoAWall()
    {
        RobotBody body = facingEastWall(0.05);
        body.setAcceleration(20);
        const double wall = body.room().floor().right();

        body.drive(60, 60);
        QVERIFY(body.advance(250));
        QVERIFY(body.pose().x + RobotBody::radius <= wall);
        QVERIFY(body.pose().x + RobotBody::radius > wall - 1e-4); // against it
        QCOMPARE(body.leftSpeed(), 0.0);

        // Pushing on against the wall is no new collision.
        const double stuck = body.pose().x;
        for (int push = 0; push < 3; ++push) {
            body.drive(60, 60);
            QVERIFY(!body.advance(250));
        }
        QVERIFY(qAbs(body.pose().x - stuck) < 1e-4);

        // Backing away is free, and running in again is a new collision.
        body.drive(-60, -60);
        QVERIFY(!body.advance(250));
        QVERIFY(body.pose().x < stuck);
        bool ranInAgain = false;
        for (int push = 0; push < 4; ++push) {
            body.drive(60, 60);
            ranInAgain |= body.advance(250);
        }
        QVERIFY(ranInAgain);
    }

    void proximityFallsNearingAWall_data()
    {
        QTest::addColumn<double>("clearance");
        QTest::addColumn<int>("ahead");
        QTest::newRow("far") << 2.0 << 60;
        QTest::newRow("just in reach") << 0.6 << 60;
        QTest::newRow("near") << 0.45 << 45;
        QTest::newRow("close") << 0.1 << 10;
        QTest::newRow("touching") << 0.0 << 0;
    }
    void proximityFallsNearingAWall()
    {
        QFETCH(double, clearance);
        QFETCH(int, ahead);
        const Proximity seen = facingEastWall(clearance + 1e-9).proximity();
        QCOMPARE(seen.ahead, ahead);
        QVERIFY(seen.left >= seen.ahead && seen.right >= seen.ahead);
        QCOMPARE(seen.left, seen.right);
    }

    void turningTowardsAWallShowsOnThatSide()
    {
        // Facing north-east, 0.3 m from the east wall: the wall is on the right.
        const Room room = Room::standard();
        const RobotBody body(room, Pose{room.floor().right() - 0.5, 1.0, qDegreesToRadians(45.0)});
        QVERIFY(body.proximity().right < body.proximity().left);
    }
};

QTEST_GUILESS_MAIN(RobotBodyTest)
#include "RobotBodyTest.moc"
