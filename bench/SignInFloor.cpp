// The floor of the start-up and memory figures: the least a program needs to
// show the sign-in view's kind of window, the same size, with the standard
// widgets it shows (a logo label, a list, two line edits, a check box,
// buttons) and nothing else.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("QuorvelBot"));
    window.setFixedSize(240, 430);
    const auto place = [&window](QWidget *widget, QRect bounds) { widget->setParent(&window), widget->setGeometry(bounds); };
    place(new QLabel(QStringLiteral("QuorvelBot")), {8, 10, 217, 101});
    place(new QLabel(QStringLiteral("Version: 3.2")), {15, 111, 100, 14});
    auto *list = new QListWidget;
    list->addItem(QStringLiteral("Simulator (Other)"));
    place(list, {10, 131, 215, 99});
    place(new QPushButton(QStringLiteral("Add")), {10, 235, 60, 25});
    place(new QPushButton(QStringLiteral("Delete")), {80, 235, 60, 25});
    place(new QLineEdit(QStringLiteral("Username")), {10, 270, 215, 21});
    place(new QLineEdit(QStringLiteral("********")), {10, 300, 215, 21});
    place(new QCheckBox(QStringLiteral("Remember Me")), {10, 330, 120, 17});
    place(new QPushButton(QStringLiteral("Sign In")), {140, 340, 85, 28});
    place(new QPushButton(QStringLiteral("Help")), {10, 350, 60, 25});
    window.show();
    return app.exec();
}
