#include "WindowActions.h"

#include <QTest>

using namespace WindowPlaces;

bool signIn(const Desktop &desktop, const QString &window, const QString &user, const QString &password)
{
    desktop.click(window, userNameField.x(), userNameField.y()); // the placeholder goes
    desktop.type(user);
    desktop.click(window, passwordField.x(), passwordField.y());
    desktop.type(password);
    desktop.key(QStringLiteral("Return"));
    const QString reminder = desktop.findWindow(QStringLiteral("Confirm"));
    if (reminder.isEmpty())
        return false;
    desktop.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), reminder});
    desktop.key(QStringLiteral("Return"));
    return true;
}

void dragOnPad(const Desktop &desktop, const QString &window, QPoint offset)
{
    desktop.pointerTo(window, padCentre.x() - 40, padCentre.y() + 30);
    desktop.button(true);
    QTest::qWait(100); // the controller brings the pointer to the pad's centre
    desktop.pointerTo(window, padCentre.x() + offset.x(), padCentre.y() + offset.y());
}
