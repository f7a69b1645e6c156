#include "SignedInWindow.h"

#include <QTest>

SignedInWindow::SignedInWindow()
{
    f.selectRobot();
    link().linkState.activePath = ControlPath::WebRTC;
    link().linkState.loginRequested = true;
    robotSays(QStringLiteral("AUTH:1:80:x:M3"));
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    take();
}

QStringList SignedInWindow::take()
{
    QStringList sent = f.webRtc->written;
    f.webRtc->written.clear();
    return sent;
}

QStringList SignedInWindow::boxesShown() const
{
    QStringList shown;
    for (const BoxRequest &box : f.fake.boxes.shown)
        shown << box.caption + u'|' + box.text;
    return shown;
}
