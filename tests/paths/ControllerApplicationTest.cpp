#include "link/LinkError.h"
#include "paths/ControllerApplication.h"

#include <QTest>
#include <QTimer>

namespace {

class ThrowingReceiver : public QObject {
public:
    int handled = 0;
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User) {
            ++handled;
            throw LinkError(QStringLiteral("an error nobody caught"));
        }
        return QObject::event(event);
    }
};

} // namespace

class ControllerApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void errorsEscapingAHandlerAreDiscarded()
    {
        ThrowingReceiver receiver;
        QEvent event(QEvent::User);
        QCOMPARE(QCoreApplication::sendEvent(&receiver, &event), false);
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(receiver.handled, 2);
    }

    void errorsEscapingATimerHandlerAreDiscarded()
    {
        int ticks = 0;
        QTimer timer;
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, [&] {
            ++ticks;
            throw std::runtime_error("a timer handler failed");
        });
        timer.start();
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000); // the loop and the timer go on
    }
};

int main(int argc, char *argv[])
{
    ControllerApplication app(argc, argv);
    ControllerApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "ControllerApplicationTest.moc"
