// Where a box stands: on its window, or in the middle of the screen when that
// window is not on the screen yet.
#include "platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

class MessageBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void boxPlace_data()
    {
        QTest::addColumn<bool>("owner");
        QTest::addColumn<bool>("ownerShown");
        QTest::addColumn<bool>("onTheOwner"); // else in the middle of the screen
        QTest::newRow("owner not shown yet") << true << false << false;
        QTest::newRow("owner on the screen") << true << true << true;
        QTest::newRow("no owner") << false << false << false;
    }
    void boxPlace()
    {
        QFETCH(bool, owner);
        QFETCH(bool, ownerShown);
        QWidget window;
        window.setGeometry(200, 40, 240, 430); // away from the screen's middle
        if (ownerShown) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        QRect boxPlace;
        QTimer answer;
        answer.setInterval(10);
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxPlace = box->frameGeometry();
                box->button(QMessageBox::Ok)->click();
            }
        });
        answer.start();
        WidgetMessageBoxes boxes;
        QCOMPARE(boxes.show(owner ? &window : nullptr,
                            {QStringLiteral("Settings.ini file not found"), QStringLiteral("Error"), BoxIcon::Error}),
                 BoxAnswer::Ok);
        QVERIFY(boxPlace.isValid());
        QFETCH(bool, onTheOwner);
        const QPoint middle =
            onTheOwner ? window.frameGeometry().center() : window.screen()->availableGeometry().center();
        QVERIFY2((boxPlace.center() - middle).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("box at %1,%2").arg(boxPlace.center().x()).arg(boxPlace.center().y())));
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"
