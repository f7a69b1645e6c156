// The floor of the key-to-wire figure: a bare window that sends one frame to
// the robot on 127.0.0.1:9000 for every key pressed, and nothing else.
#include <QApplication>
#include <QKeyEvent>
#include <QWebSocket>
#include <QWidget>

class KeyFloor : public QWidget {
public:
    KeyFloor()
    {
        setWindowTitle(QStringLiteral("Key floor"));
        resize(620, 230);
        connect(&robot, &QWebSocket::connected, this, [this] { robot.sendTextMessage(QStringLiteral("0.0:hello")); });
        robot.open(QUrl(QStringLiteral("ws://127.0.0.1:9000")));
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!event->isAutoRepeat())
            robot.sendTextMessage(QStringLiteral("0.0:MKP08800"));
    }

private:
    QWebSocket robot;
};

int main(int argc, char *argv[])
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    KeyFloor window;
    window.show();
    return app.exec();
}
