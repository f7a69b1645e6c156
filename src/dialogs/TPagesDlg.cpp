#include "dialogs/TPagesDlg.h"

#include "contacts/RobotList.h"
#include "dialogs/AboutText.h"
#include "dialogs/AccessoryList.h"
#include "link/RobotLink.h"
#include "paths/NameServer.h"
#include "platform/AnsiText.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "ui/Artwork.h"
#include "ui/Picture.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 407;
constexpr int ClientHeightAsDesigned = 297;
constexpr int ClientHeightWithRobot = 360;
constexpr int ClientHeightAfterSession = 300;
constexpr int SupportTop = 171;
constexpr int UpdatesTop = 190;
constexpr int SupportTopWithRobot = 281;
constexpr int UpdatesTopWithRobot = 300;

QLabel *label(QWidget *page, const char *name, int top, const QString &text = QString())
{
    auto *l = new QLabel(text, page);
    l->setObjectName(QString::fromLatin1(name));
    l->move(10, top);
    return l;
}

QLabel *linkLabel(QWidget *page, const char *name, int top, const QString &text)
{
    QLabel *l = label(page, name, top, text);
    l->setCursor(Qt::PointingHandCursor);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(palette);
    QFont font = l->font();
    font.setUnderline(true);
    l->setFont(font);
    l->adjustSize();
    return l;
}

QFrame *line(QWidget *page, const char *name, QRect bounds)
{
    auto *f = new QFrame(page);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(bounds);
    return f;
}

} // namespace

TPagesDlg::TPagesDlg(RobotLink &link, QWidget *parent) : QDialog(parent), link(link), updates(link)
{
    setObjectName(QStringLiteral("PagesDlg"));
    setWindowTitle(QStringLiteral("Help"));
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl);
    createHelpPage();
    createAboutPage();
    createAccessoriesPage();
    setClientHeight(ClientHeightAsDesigned);

    connect(PageControl, &QTabWidget::currentChanged, this, &TPagesDlg::pageShown);
    connect(&link, &RobotLink::robotFactsChanged, this, &TPagesDlg::updateAboutPage);
    connect(&link, &RobotLink::sessionEnded, this, &TPagesDlg::clearRobotConfiguration);
    connect(&updates, &UpdateCheck::checkingChanged, Label3, [this](bool checking) { Label3->setEnabled(!checking); });
}

void TPagesDlg::createHelpPage()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    RichEdit1 = new QTextEdit(TabSheet1);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setGeometry(0, 0, ClientWidth - 6, ClientHeightAsDesigned - 20);
    PageControl->addTab(TabSheet1, QStringLiteral("Using Controller"));
}

void TPagesDlg::createAboutPage()
{
    About = new QWidget;
    About->setObjectName(QStringLiteral("About"));
    auto *logo = new Picture(artwork::logo, About);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry((ClientWidth - 6 - 130) / 2, 6, 130, 60);

    Label11 = label(About, "Label11", 72);
    QFont title = Label11->font();
    title.setPointSize(12);
    title.setBold(true);
    Label11->setFont(title);
    Label1 = label(About, "Label1", 98);
    robotHeading = label(About, "robotHeading", 122);
    QFont heading = robotHeading->font();
    heading.setBold(true);
    robotHeading->setFont(heading);
    Shape1 = line(About, "Shape1", {81, 142, 241, 2});
    robotBody = label(About, "robotBody", 150);
    robotBody->setTextInteractionFlags(Qt::TextSelectableByMouse); // serial numbers can be copied
    for (QWidget *w : std::initializer_list<QWidget *>{robotHeading, Shape1, robotBody})
        w->hide();

    Label2 = linkLabel(About, "Label2", SupportTop, QStringLiteral("Click here to visit Support Site"));
    Label2->setToolTip(makerServerUrl(QStringLiteral("/support")).toString());
    Label3 = linkLabel(About, "Label3", UpdatesTop, QStringLiteral("Check for Updates"));
    Label2->installEventFilter(this);
    Label3->installEventFilter(this);
    PageControl->addTab(About, QStringLiteral("About"));
}

void TPagesDlg::createAccessoriesPage()
{
    AccessoryList = new QWidget;
    AccessoryList->setObjectName(QStringLiteral("AccessoryList"));
    QLabel *heading = label(AccessoryList, "accHeading", 10, QStringLiteral("Accessories"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(11);
    heading->setFont(bold);
    heading->adjustSize();
    line(AccessoryList, "accLine", {10, 34, 380, 2});
    accL = label(AccessoryList, "accL", 44);
    accL->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    accL->resize(380, 200);
    AccessoryList->installEventFilter(this); // the list is rebuilt when the mouse comes in
    PageControl->addTab(AccessoryList, QStringLiteral("Accessories"));
}

void TPagesDlg::showPage(Page page, bool modal)
{
    if (isVisible() && isModal() != modal)
        hide(); // shown again the way asked for
    {
        const QSignalBlocker quiet(PageControl);
        PageControl->setCurrentIndex(page);
    }
    if (page == HelpPage && !onShowHelp())
        return;
    if (page == AccessoriesPage)
        accOnShow();
    if (modal) {
        exec();
    } else {
        show();
        raise();
        activateWindow();
    }
}

void TPagesDlg::pageShown(int page)
{
    switch (page) {
    case HelpPage:
        if (!onShowHelp() && isModal())
            reject();
        break;
    case AboutPage: onShow(); break;
    case AccessoriesPage: accOnShow(); break;
    }
}

void TPagesDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QRect area = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry();
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
    onShow();
}

void TPagesDlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && PageControl->currentIndex() == AccessoriesPage)
        accOnShow();
}

bool TPagesDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Label2)
            Label2Click();
        else if (watched == Label3 && Label3->isEnabled())
            Label3Click();
    } else if (event->type() == QEvent::Enter && watched == AccessoryList) {
        accOnShow();
    }
    return QDialog::eventFilter(watched, event);
}

void TPagesDlg::setClientHeight(int height)
{
    setFixedSize(ClientWidth, height);
    RichEdit1->resize(RichEdit1->width(), height - 20 - PageControl->tabBar()->sizeHint().height());
}

void TPagesDlg::centreOnPage(QWidget *control)
{
    control->adjustSize();
    const int pageWidth = ClientWidth - 6; // the page inside the tab frame
    control->move(qRound(pageWidth / 2.0) - qRound(control->width() / 2.0), control->y());
}

void TPagesDlg::onShow()
{
    Label11->setText(QStringLiteral("QuorvelBot Controller"));
    Label1->setText(QStringLiteral("Version ") + RobotLink::ControllerVersion);
    for (QWidget *w : std::initializer_list<QWidget *>{Label11, Label1, robotHeading, robotBody, Label2, Label3})
        centreOnPage(w);
}

bool TPagesDlg::onShowHelp()
{
    RichEdit1->clear();
    QFile file(QDir(link.applicationFolder).filePath(QStringLiteral("helpFile.txt")));
    if (!file.open(QIODevice::ReadOnly)) {
        link.showBox(errorBox(QStringLiteral("Help file missing.")));
        return false;
    }
    QString text = fromAnsi(file.readAll());
    text.replace(QRegularExpression(QStringLiteral("\r\n?")), QStringLiteral("\n"));
    RichEdit1->setPlainText(text);
    return true;
}

void TPagesDlg::accOnShow()
{
    const LinkState &s = link.linkState;
    RobotAccessories robot;
    robot.inSession = s.inSession;
    robot.robotModel = s.robotModel;
    robot.robotGeneration = s.robotGeneration;
    robot.panPresent = s.panPresent;
    robot.pan360 = s.pan360;
    robot.laserPresent = s.laserPresent;
    robot.multiRadioPresent = s.multiRadioPresent;
    robot.batteryState = s.batteryState;
    robot.wifiRadioCount = s.wifiRadioCount;
    accL->setText(accessoryListText(robot).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TPagesDlg::Label2Click()
{
    link.platform.shell->open(QStringLiteral("xdg-open"), {Label2->toolTip()});
}

void TPagesDlg::Label3Click()
{
    updates.checkOnDemand();
}

void TPagesDlg::updateAboutPage()
{
    const LinkState &s = link.linkState;
    if (!s.inSession)
        return; // the facts of a session that is over
    setClientHeight(ClientHeightWithRobot);
    Label1->setText(QStringLiteral("Version Number: ") + RobotLink::ControllerVersion);
    const RobotIdentity robot{s.robotModel, s.headType, s.boardSerialNumber, s.robotSerialNumber};
    robotBody->setText(aboutRobotBody(robot).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Label2->move(Label2->x(), SupportTopWithRobot);
    Label3->move(Label3->x(), UpdatesTopWithRobot);
    robotHeading->setText(aboutRobotHeading(link.robots.selectedContact().description));
    for (QWidget *w : std::initializer_list<QWidget *>{Label1, robotBody, robotHeading, Shape1}) {
        centreOnPage(w);
        w->show();
    }
}

void TPagesDlg::clearRobotConfiguration()
{
    setClientHeight(ClientHeightAfterSession);
    Label1->setText(QStringLiteral("Version Number ") + RobotLink::ControllerVersion);
    centreOnPage(Label1);
    Label2->move(Label2->x(), SupportTop);
    Label3->move(Label3->x(), UpdatesTop);
    for (QWidget *w : std::initializer_list<QWidget *>{robotHeading, robotBody, Shape1})
        w->hide();
    accOnShow();
}
