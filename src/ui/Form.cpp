// The main window's controls as designed, before either view moves them.
// Positions are form pixels at 96 dots per inch; the views scale the few
// sizes that follow the screen.
#include "ui/TForm2.h"

#include "platform/FormFaces.h"
#include "ui/Artwork.h"
#include "ui/Picture.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QToolButton>

namespace {

// Tahoma and Verdana, or the closest faces this desktop has.
QFont tahoma(int points, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QFont verdana(int points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

template <typename W, typename... Args> W *place(QWidget *parent, const char *name, QRect bounds, Args &&...args)
{
    auto *widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(bounds);
    return widget;
}

// The robot list: sign-in uses whichever robot is selected, so a typed
// letter must not select another one by its name.
class RobotListBox : public QListWidget {
public:
    using QListWidget::QListWidget;
    void keyboardSearch(const QString &) override {}
};

// The robot list's rows are 18 pixels high, whatever the face. (A style sheet
// would say the same, but makes the whole style-sheet machinery at start.)
class EighteenPixelRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 18};
    }
};

QPushButton *button(QWidget *parent, const char *name, QRect bounds, const QString &caption,
                    const QString &hint = QString())
{
    auto *b = place<QPushButton>(parent, name, bounds, caption);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

Picture *picture(QWidget *parent, const char *name, QRect bounds, Picture::Artwork art)
{
    return place<Picture>(parent, name, bounds, std::move(art));
}

// A one-pixel separator, or a filled bar over the drive pad.
QFrame *shape(QWidget *parent, const char *name, QRect bounds, const QColor &colour)
{
    auto *frame = place<QFrame>(parent, name, bounds);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
    return frame;
}

QToolButton *speedButton(QWidget *parent, const char *name, int left, const QString &caption, const QString &hint)
{
    auto *b = place<QToolButton>(parent, name, QRect(left, 1, 22, 22));
    b->setText(caption);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}

} // namespace

void TForm2::createControls()
{
    installFormFaces();
    setWindowTitle(QStringLiteral("QuorvelBot Lindmere Vindra"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(tahoma(9));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    setFixedSize(625, 381);

    createSignInArea(client);
    createDriveArea(client);
    createStatusBar(client);
    createMenus();

    setTabOrder(ListBox1, addBotName);
    setTabOrder(addBotName, delBot);
    setTabOrder(delBot, UserName);
    setTabOrder(UserName, PassWord);
    setTabOrder(PassWord, SignIn);
    setTabOrder(SignIn, CheckBox1);
    setTabOrder(CheckBox1, helpButton);
    setTabOrder(helpButton, Disconnect);
    setTabOrder(Disconnect, adminOptionButton);
}

void TForm2::createSignInArea(QWidget *client)
{
    Image3 = picture(client, "Image3", {8, 10, 217, 101}, artwork::logo);
    Label1 = place<QLabel>(client, "Label1", {15, 111, 44, 14}, QStringLiteral("Version:"));
    revNo = place<QLabel>(client, "revNo", {59, 111, 18, 14}, RobotLink::ControllerVersion);
    revNo->setAutoFillBackground(true);

    ListBox1 = place<RobotListBox>(client, "ListBox1", {10, 131, 215, 99});
    ListBox1->setFont(tahoma(11));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setItemDelegate(new EighteenPixelRows(ListBox1));

    addBotName = button(client, "addBotName", {26, 236, 75, 25}, QStringLiteral("Add"),
                        QStringLiteral("Add new QuorvelBot to the list"));
    delBot = button(client, "delBot", {134, 236, 75, 25}, QStringLiteral("Delete"),
                    QStringLiteral("Delete selected Quorvelbot from list"));
    connect(delBot, &QPushButton::clicked, this, &TForm2::delBotClick);

    UserName = place<QLineEdit>(client, "UserName", {10, 271, 105, 24}, QStringLiteral("Username"));
    UserName->setFont(tahoma(10));
    PassWord = place<QLineEdit>(client, "PassWord", {120, 271, 105, 24}, QStringLiteral("********"));
    PassWord->setEchoMode(QLineEdit::Password);
    PassWord->setFont(tahoma(10));
    for (QWidget *w : {static_cast<QWidget *>(ListBox1), static_cast<QWidget *>(UserName),
                       static_cast<QWidget *>(PassWord)})
        w->installEventFilter(this);

    Label2 = place<QLabel>(client, "Label2", {23, 294, 74, 16}, QStringLiteral("Username"));
    Label2->setFont(verdana(10, true));
    Label3 = place<QLabel>(client, "Label3", {137, 294, 70, 16}, QStringLiteral("Password"));
    Label3->setFont(verdana(10, true));

    SignIn = button(client, "SignIn", {8, 315, 107, 27}, QStringLiteral("Sign In"), QStringLiteral("Press to sign in"));
    SignIn->setFont(tahoma(10));
    helpButton = button(client, "helpButton", {120, 315, 105, 27}, QStringLiteral("Options"),
                        QStringLiteral("Press for controller options"));
    helpButton->setFont(tahoma(10));

    CheckBox1 = place<QCheckBox>(client, "CheckBox1", {72, 347, 97, 16}, QStringLiteral("Remember Me"));
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm2::CheckBox1Click);
}

void TForm2::createDriveArea(QWidget *client)
{
    Image1 = picture(client, "Image1", {5, 2, 220, 160}, artwork::drivePad);
    Image1->setCursor(Qt::CrossCursor);
    // moves without a button reach the pad too, so a drag whose release was
    // lost is noticed at the next move
    Image1->setMouseTracking(true);
    Image1->hide();
    Image4 = picture(client, "Image4", {340, 343, 20, 20}, artwork::padMarker);
    shLeft = shape(client, "shLeft", {5, 2, 109, 2}, Qt::white);
    shRight = shape(client, "shRight", {103, 2, 110, 2}, Qt::white);
    shBottom = shape(client, "shBottom", {9, 156, 220, 0}, Qt::black);
    Image2 = picture(client, "Image2", {445, 3, 163, 101}, artwork::logo);
    adminOptionButton = button(client, "adminOptionButton", {452, 133, 75, 28}, QStringLiteral("Options"),
                               QStringLiteral("Press for options"));
    Disconnect = button(client, "Disconnect", {533, 133, 75, 28}, QStringLiteral("End"),
                        QStringLiteral("Disconnect from active call"));
    connect(Disconnect, &QPushButton::clicked, this, &TForm2::DisconnectClick);

    Panel3 = place<QFrame>(client, "Panel3", {235, 3, 204, 160});
    Panel3->setFrameShape(QFrame::Box);
    createCameraPanel();
}

void TForm2::createCameraPanel()
{
    panBar = place<QSlider>(Panel3, "panBar", {29, 14, 127, 25}, Qt::Horizontal);
    tiltBar = place<QSlider>(Panel3, "tiltBar", {12, 31, 26, 115}, Qt::Vertical);
    for (QSlider *bar : {panBar, tiltBar}) {
        bar->setRange(0, 90);
        bar->setValue(45);
        bar->setTickPosition(QSlider::NoTicks);
    }
    // 0 at the top end, and Up, Page Up and the wheel move the handle up
    tiltBar->setInvertedAppearance(true);
    tiltBar->setInvertedControls(true);
    TiltUp = button(Panel3, "TiltUp", {75, 53, 37, 25}, QStringLiteral("Up"));
    PanLeft = button(Panel3, "PanLeft", {38, 77, 35, 24}, QStringLiteral("Left"));
    Center = button(Panel3, "Center", {73, 77, 42, 25}, QStringLiteral("Center"));
    PanRight = button(Panel3, "PanRight", {114, 77, 33, 24}, QStringLiteral("Right"));
    TiltDown = button(Panel3, "TiltDown", {75, 101, 37, 25}, QStringLiteral("Down"));
    const QString memoryHint = QStringLiteral("Recall camera position, Hold for 3 seconds to save camera position");
    M1 = button(Panel3, "M1", {152, 42, 33, 25}, QStringLiteral("M1"), memoryHint);
    M2 = button(Panel3, "M2", {151, 77, 35, 25}, QStringLiteral("M2"), memoryHint);
    M3 = button(Panel3, "M3", {152, 109, 33, 25}, QStringLiteral("M3"), memoryHint);
}

void TForm2::createStatusBar(QWidget *client)
{
    Panel1 = place<QFrame>(client, "Panel1", {-2, 167, 625, 29});
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    QPalette light = Panel1->palette();
    light.setColor(QPalette::Window, QColor(227, 227, 227));
    Panel1->setPalette(light);

    statusBarLabel = place<QLabel>(Panel1, "statusBarLabel", {3, 6, 330, 14});
    statusBarLabel->setFont(tahoma(8));
    Image5 = picture(Panel1, "Image5", {336, 2, 19, 18}, artwork::joystick);

    const QColor silver(192, 192, 192);
    Shape4 = shape(Panel1, "Shape4", {358, 2, 1, 20}, silver);
    Shape3 = shape(Panel1, "Shape3", {385, 2, 1, 20}, silver);
    Shape2 = shape(Panel1, "Shape2", {412, 2, 1, 20}, silver);
    Shape1 = shape(Panel1, "Shape1", {444, 1, 1, 20}, silver);
    seperator1 = shape(Panel1, "seperator1", {507, 2, 1, 20}, silver);
    separator2 = shape(Panel1, "separator2", {572, 2, 1, 20}, silver);

    chargingButton = speedButton(Panel1, "chargingButton", 361, QStringLiteral("C"),
                                 QStringLiteral("Enable/Disable remote charging of the head (user device)"));
    laserButton = speedButton(Panel1, "laserButton", 388, QStringLiteral("L"), QStringLiteral("Enable/Disable laser"));
    headLightButton = speedButton(Panel1, "headLightButton", 417, QStringLiteral("H"),
                                  QStringLiteral("Toggle Headlights (Lo/Med/Hi)"));

    connectionDelayLabel = place<QLabel>(Panel1, "connectionDelayLabel", {455, 4, 44, 14}, QStringLiteral("00.000s"));
    connectionDelayLabel->setToolTip(QStringLiteral("Roundtrip Connection Delay"));

    Panel2 = place<QFrame>(Panel1, "Panel2", {514, 2, 55, 19});
    for (int level = 0; level < int(batt.size()); ++level) {
        const QByteArray name = "batt" + QByteArray::number(level);
        batt[size_t(level)] = picture(Panel2, name.constData(), {6, 2, 45, 18},
                                      [level](QPainter &p, const QRectF &r) { artwork::battery(p, r, level); });
    }
    battCharging = picture(Panel2, "battCharging", {6, 2, 45, 18}, artwork::batteryCharging);
    battNotPresent = picture(Panel2, "battNotPresent", {6, 1, 45, 18}, artwork::batteryNotPresent);
    for (QWidget *w : Panel2->findChildren<Picture *>())
        w->hide();

    wifipanel = place<QFrame>(Panel1, "wifipanel", {576, 2, 31, 21});
    for (int bars = 0; bars < int(wifi.size()); ++bars) {
        const QByteArray name = "wifi" + QByteArray::number(bars);
        wifi[size_t(bars)] = picture(wifipanel, name.constData(), {8, 0, 24, 23},
                                     [bars](QPainter &p, const QRectF &r) { artwork::wireless(p, r, bars); });
        wifi[size_t(bars)]->hide();
    }
    wifiEth = picture(wifipanel, "wifiEth", {3, -2, 22, 22}, artwork::ethernet);
    wifiEth->hide();
}

void TForm2::createMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (const char *item : {"Settings", "Help", "About"})
        PopupMenu1->addAction(QString::fromLatin1(item));
    connect(helpButton, &QPushButton::clicked, this, &TForm2::helpButtonClick);

    drivePopUp = new QMenu(this);
    drivePopUp->setObjectName(QStringLiteral("drivePopUp"));
    for (const char *item : {"Settings", "Change Password", "Help", "About"})
        drivePopUp->addAction(QString::fromLatin1(item));
    for (const char *item : {"High Resolution Picture", "Force Video"})
        drivePopUp->addAction(QString::fromLatin1(item))->setVisible(false);
    // over the button's top-left corner, measured from the window's outer
    // edge, 20 pixels lower (the sign-in view's menu: helpButtonClick)
    connect(adminOptionButton, &QPushButton::clicked, this,
            [this] { drivePopUp->popup(frameGeometry().topLeft() + adminOptionButton->pos() + QPoint(0, 20)); });
}
