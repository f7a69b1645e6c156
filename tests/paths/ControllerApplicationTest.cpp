#include "link/LinkError.h"
#include "ui/ControllerApplication.h"

#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

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

// What the process writes to its standard error while it lives.
class StandardErrorCapture {
public:
    StandardErrorCapture()
    {
        file.open();
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        dup2(file.handle(), STDERR_FILENO);
    }
    ~StandardErrorCapture() { restore(); }
    QByteArray text()
    {
        restore();
        file.seek(0);
        return file.readAll();
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        saved = -1;
    }
    QTemporaryFile file;
    int saved = -1;
};

} // namespace

class ControllerApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void errorsEscapingAHandlerAreDiscarded()
    {
        ThrowingReceiver receiver;
        StandardErrorCapture standardError;
        QEvent event(QEvent::User);
        QCOMPARE(QCoreApplication::sendEvent(&receiver, &event), false);
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(receiver.handled, 2);
        // the operator sees nothing; a developer finds each on standard error
        QCOMPARE(standardError.text().count("error left unhandled: an error nobody caught\n"), 2);
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
