#include "ui/TForm2.h"

#include "contacts/TOKRightDlg1.h"
#include "dialogs/TPagesDlg.h"
#include "platform/ApplicationFolder.h"
#include "platform/MessageBoxes.h"
#include "ui/Picture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QToolButton>
#include <QTimer>
#include <algorithm>

namespace {

QTimer *windowTimer(QObject *owner, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(interval);
    timer->setTimerType(Qt::PreciseTimer); // a memory button's hold is timed exactly
    return timer;
}

} // namespace

TForm2::TForm2(const Platform &platform, QWidget *parent)
    : QMainWindow(parent),
      platform(platform),
      applicationFolder(::applicationFolder()),
      robots(applicationFolder),
      settings(settingsStore.settings),
      contactList(robots.contactList),
      link(platform, robots, settingsStore.settings),
      mTimer(windowTimer(this, 2500)),
      userTimer(windowTimer(this, 500)),
      LoginTimer(windowTimer(this, 500))
{
    createControls();
    connectComponents();
    followLink();
    connectHelpItems();
    connectSettingsItems();
    connectNetworkAndPasswordItems();
    connectRobotListButtons();
}

void TForm2::connectComponents()
{
    connect(LoginTimer, &QTimer::timeout, this, &TForm2::LoginTimerTimer);
    connect(SignIn, &QPushButton::clicked, this, &TForm2::SignInClick);

    connect(Image1, &Picture::pressed, this, &TForm2::PadMouseDown);
    connect(Image1, &Picture::moved, this, &TForm2::PadMouseMove);
    connect(Image1, &Picture::released, this, &TForm2::PadMouseUp);
    connect(panBar, &QSlider::valueChanged, this, &TForm2::panBarChange);
    connect(tiltBar, &QSlider::valueChanged, this, &TForm2::tiltBarChange);
    connect(PanLeft, &QPushButton::clicked, this, &TForm2::PanLeftClick);
    connect(PanRight, &QPushButton::clicked, this, &TForm2::PanRightClick);
    connect(TiltUp, &QPushButton::clicked, this, &TForm2::TiltUpClick);
    connect(TiltDown, &QPushButton::clicked, this, &TForm2::TiltDownClick);
    connect(Center, &QPushButton::clicked, this, &TForm2::CenterClick);
    connect(mTimer, &QTimer::timeout, this, &TForm2::mTimerTimer);
    connect(headLightButton, &QToolButton::clicked, this, &TForm2::headLightButtonClick);
    connect(laserButton, &QToolButton::clicked, this, &TForm2::LaserButtonClick);
    connect(chargingButton, &QToolButton::clicked, this, &TForm2::CharginButtonClick);
    // The drive view's keys reach the keyboard control whatever has the
    // focus; the memory buttons' presses by any mouse button, and the boxes
    // opening over a held pad, are seen here too.
    qApp->installEventFilter(this);
}

TForm2::~TForm2()
{
    // the form's members go before its widgets: no more key events for it
    qApp->removeEventFilter(this);
}

int TForm2::showBox(const BoxRequest &request)
{
    padPointerLost();
    return int(platform.boxes->show(this, request));
}

void TForm2::showMessage(const QString &text)
{
    showBox({text, QApplication::applicationName()});
}

void TForm2::stayOnTop(bool on)
{
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible)
        show();
}

void TForm2::setOuterSize(int width, int height)
{
    // Sizes are the window's outer size, its frame included.
    requestedOuterSize = QSize(width, height);
    sizedForFrame = frameGeometry().size() - geometry().size();
    setFixedSize(qMax(1, width - sizedForFrame.width()), qMax(1, height - sizedForFrame.height()));
}

void TForm2::keepOuterSize()
{
    // The window manager tells the frame only some time after the window
    // is first shown; the outer size is applied again once it is known.
    if (requestedOuterSize.isValid() && frameGeometry().size() - geometry().size() != sizedForFrame)
        setOuterSize(requestedOuterSize.width(), requestedOuterSize.height());
}

void TForm2::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    keepOuterSize();
}

void TForm2::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    keepOuterSize();
}

void TForm2::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    keepOuterSize();
    fitStatusBar();
}

void TForm2::fitStatusBar()
{
    // The status bar reaches the window's lower edge, whatever frame the
    // desktop draws around the window (the outer sizes were measured on one).
    if (Panel1)
        Panel1->resize(Panel1->width(), qMax(StatusBarHeight, height() - Panel1->y()));
}

void TForm2::centreOnScreen()
{
    const QRect area = screen()->geometry();
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void TForm2::closeEvent(QCloseEvent *event)
{
    event->setAccepted(FormClose());
}

bool TForm2::FormClose()
{
    if (!link.closing()) {
        // The handler waiting for the name server ends without going on, and
        // the window closes as soon as it has.
        QTimer::singleShot(0, this, &QWidget::close);
        return false;
    }
    return true;
}

void TForm2::bringToFront()
{
    raise();
    activateWindow();
}

bool TForm2::memoryButtonEvent(QObject *watched, QEvent *event)
{
    const std::array<QPushButton *, 3> memories{M1, M2, M3};
    const auto found = std::find(memories.begin(), memories.end(), watched);
    if (found == memories.end())
        return false;
    QPushButton *button = *found;
    const int slot = int(found - memories.begin()) + 1;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // a quick second press is a press too
        button->setDown(true);
        memoryButtonDown(slot);
        return true;
    case QEvent::MouseButtonRelease:
        button->setDown(false);
        memoryButtonUp(slot);
        return true;
    case QEvent::MouseMove:
        return true; // sliding off a held button neither recalls nor lets go
    default:
        return false;
    }
}

void TForm2::windowOpensOverDriving()
{
    padPointerLost();
    // a stick held as the window opens lets go as well; it is not followed
    // again until the window has gone (JoyStickMove)
    if (link.leftWheelDemand != 0 || link.rightWheelDemand != 0) {
        letGoOfPad();
        link.sendStops(QStringLiteral("Send Error mouse up"));
    }
}

void TForm2::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        padPointerLost();
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (memoryButtonEvent(watched, event))
        return true;
    if (event->type() == QEvent::Show) {
        // a box, menu or dialog that opens over a held pad takes the pointer
        // with it, the robot's wireless networks too
        auto *shown = qobject_cast<QWidget *>(watched);
        if (shown && shown != this && shown->isWindow()
            && (shown->isModal() || shown->windowType() == Qt::Popup || shown->windowType() == Qt::Dialog
                || shown->windowType() == Qt::Tool))
            windowOpensOverDriving();
    }
    const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (isKey && keyPreview) {
        auto *widget = qobject_cast<QWidget *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        // a held key's repeats are not new presses
        if (widget && widget->window() == this && !key->isAutoRepeat()) {
            if (event->type() == QEvent::KeyRelease)
                FormKeyUp();
            else if (!key->text().isEmpty())
                FormKeyDown(key->text().at(0));
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == UserName)
            UserNameClick();
        else if (watched == PassWord)
            PassWordClick();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter)
            && (watched == ListBox1 || watched == UserName || watched == PassWord)) {
            // Enter in the robot list or the credentials signs in exactly as
            // the button does: not while an attempt runs with it disabled
            SignIn->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
