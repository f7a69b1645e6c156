#include "settings/TOKRightDlg.h"

#include "link/RobotLink.h"
#include "platform/MessageBoxes.h"
#include "platform/WebPages.h"
#include "settings/RobotSettingsValues.h"
#include "settings/SettingsStore.h"
#include "settings/UserList.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <exception>

namespace {

constexpr int StatusClearingMs = 25000;
constexpr int TabWidth = 400;

template <typename Control, typename... Args>
Control *place(QWidget *parent, const char *name, const QRect &geometry, Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

QSlider *slider(QWidget *parent, const char *name, const QRect &geometry, int minimum, int maximum)
{
    auto *bar = place<QSlider>(parent, name, geometry, Qt::Horizontal);
    bar->setRange(minimum, maximum);
    bar->setPageStep(1);
    bar->setTickPosition(QSlider::TicksBelow);
    return bar;
}

// A titled slider panel with "Less" at the left and "More" at the right.
QFrame *sliderPanel(QWidget *parent, const char *name, int top, const QString &title, QSlider *&bar,
                    const char *barName, int minimum, int maximum)
{
    auto *panel = place<QFrame>(parent, name, {10, top, 360, 65});
    panel->setFrameShape(QFrame::StyledPanel);
    place<QLabel>(panel, "title", {10, 4, 340, 18}, title);
    place<QLabel>(panel, "less", {10, 40, 40, 18}, QStringLiteral("Less"));
    place<QLabel>(panel, "more", {310, 40, 40, 18}, QStringLiteral("More"));
    bar = slider(panel, barName, {50, 24, 260, 30}, minimum, maximum);
    return panel;
}

} // namespace

TOKRightDlg::TOKRightDlg(RobotLink &link, SettingsStore &store, QWidget *parent)
    : QDialog(parent), Timer1(new QTimer(this)), link(link), store(store)
{
    setObjectName(QStringLiteral("TOKRightDlg"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);
    setFixedSize(TabWidth + 20, 420);

    PageControl1 = place<QTabWidget>(this, "PageControl1", {10, 10, TabWidth, 330});
    UserAdmin = new QWidget;
    RobotSetting = new QWidget;
    ControllerSetting = new QWidget;
    PageControl1->addTab(UserAdmin, QStringLiteral("User Administration"));
    PageControl1->addTab(RobotSetting, QStringLiteral("Robot Settings"));
    PageControl1->addTab(ControllerSetting, QStringLiteral("Controller Settings"));
    createUserTab();
    createRobotTab();
    createControllerTab();

    OKBtn = place<QPushButton>(this, "OKBtn", {TabWidth - 150, 350, 75, 25}, QStringLiteral("OK"));
    CancelBtn = place<QPushButton>(this, "CancelBtn", {TabWidth - 65, 350, 75, 25}, QStringLiteral("Cancel"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    StatusBar1 = place<QStatusBar>(this, "StatusBar1", {0, 395, TabWidth + 20, 25});
    StatusBar1->setSizeGripEnabled(false);
    Timer1->setInterval(StatusClearingMs);
    connect(Timer1, &QTimer::timeout, this, &TOKRightDlg::Timer1Timer);
}

void TOKRightDlg::createUserTab()
{
    place<QLabel>(UserAdmin, "Label1", {10, 10, 80, 20}, QStringLiteral("User Name"));
    userName = place<QLineEdit>(UserAdmin, "userName", {90, 10, 140, 22});
    place<QLabel>(UserAdmin, "Label2", {10, 40, 80, 20}, QStringLiteral("Password"));
    password = place<QLineEdit>(UserAdmin, "password", {90, 40, 140, 22});
    password->setEchoMode(QLineEdit::Password);
    isAdminBox = place<QCheckBox>(UserAdmin, "isAdminBox", {90, 70, 140, 20}, QStringLiteral("Is Admin"));
    editUserButton = place<QPushButton>(UserAdmin, "editUser", {10, 105, 105, 27}, QStringLiteral("Edit User"));
    addUserButton = place<QPushButton>(UserAdmin, "addUser", {125, 105, 105, 27}, QStringLiteral("Add User"));
    Button2 = place<QPushButton>(UserAdmin, "Button2", {10, 140, 105, 27}, QStringLiteral("Delete User"));
    ListBox1 = place<QListWidget>(UserAdmin, "ListBox1", {245, 10, 140, 270});
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TOKRightDlg::listboxMouseDown);
    connect(addUserButton, &QPushButton::clicked, this, &TOKRightDlg::addUserClick);
    connect(editUserButton, &QPushButton::clicked, this, &TOKRightDlg::editUserClick);
    connect(Button2, &QPushButton::clicked, this, &TOKRightDlg::Button2Click);
}

void TOKRightDlg::createRobotTab()
{
    place<QLabel>(RobotSetting, "Label5", {10, 10, 200, 18}, QStringLiteral("Maximum Speed"));
    speedTrackbar = slider(RobotSetting, "speedTrackbar", {10, 30, 320, 30}, 0, 100);
    speedTrackbar->setPageStep(10);
    speedTrackbar->setTickInterval(10);
    speedTrackbar->setToolTip(
        QStringLiteral("Maximum allowed speed for the controller in percentage. Allowed range is from 40-100"));
    speedVal = place<QLabel>(RobotSetting, "speedVal", {340, 35, 40, 18}, QStringLiteral("100"));
    connect(speedTrackbar, &QSlider::valueChanged, this, &TOKRightDlg::speedTrack);

    place<QLabel>(RobotSetting, "Label6", {10, 80, 250, 18}, QStringLiteral("Acceleration/Deceleration "));
    accelBar = slider(RobotSetting, "accelBar", {50, 100, 260, 30}, 5, 20);
    place<QLabel>(RobotSetting, "slow", {10, 105, 40, 18}, QStringLiteral("Slow"));
    place<QLabel>(RobotSetting, "fast", {320, 105, 40, 18}, QStringLiteral("Fast"));
    accelVal = place<QLabel>(RobotSetting, "accelVal", {340, 80, 40, 18});
    accelVal->hide();
    connect(accelBar, &QSlider::valueChanged, this, &TOKRightDlg::accelBarChange);
}

void TOKRightDlg::createControllerTab()
{
    CheckBox1 =
        place<QCheckBox>(ControllerSetting, "CheckBox1", {10, 10, 360, 20}, QStringLiteral("    Always on top"));
    CheckBox4 = place<QCheckBox>(ControllerSetting, "CheckBox4", {10, 35, 360, 20},
                                 QStringLiteral("    Automatically check for updates on startup"));
    autoCenterCheckBox = place<QCheckBox>(ControllerSetting, "autoCenterCheckBox", {10, 60, 360, 20},
                                          QStringLiteral("    Auto center camera pan while driving"));
    sliderPanels = place<QWidget>(ControllerSetting, "sliderPanels", {0, 100, TabWidth, 135});
    PadSense =
        sliderPanel(sliderPanels, "PadSense", 0, QStringLiteral("Drive Pad Sensitivity"), TrackBar1, "TrackBar1", 0, 7);
    PadSense->setToolTip(QStringLiteral("Set turning radius sensitivity of the QuorvelBot"));
    timeoutPanel =
        sliderPanel(sliderPanels, "timeoutPanel", 70, QStringLiteral("Drive Timeout"), timeoutBar, "timeoutBar", 5, 10);
    timeoutPanel->setToolTip(QStringLiteral("Set the timeout to high if you are on a slower network"));
    Label12 = place<QLabel>(ControllerSetting, "Label12", {10, 255, 360, 18},
                            QStringLiteral("<a href=\"#\">Vindra Configuration</a>"));
    Label13 = place<QLabel>(ControllerSetting, "Label13", {10, 273, 380, 18},
                            QStringLiteral("(Use this link to configure Vindra while on the same network)"));
    connect(Label12, &QLabel::linkActivated, this, &TOKRightDlg::Label12Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TOKRightDlg::alwaysOnTopChange);
    connect(CheckBox4, &QCheckBox::toggled, this, &TOKRightDlg::CheckBox4Click);
    connect(autoCenterCheckBox, &QCheckBox::toggled, this, &TOKRightDlg::autoCenterCheckBoxClick);
    connect(TrackBar1, &QSlider::valueChanged, this, &TOKRightDlg::TrackBar1Change);
    connect(timeoutBar, &QSlider::valueChanged, this, &TOKRightDlg::timeoutBarChange);
}

bool TOKRightDlg::callDialog()
{
    return exec() == QDialog::Accepted;
}

void TOKRightDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    settingsLoad();
}

void TOKRightDlg::settingsLoad()
{
    ControllerSettings &settings = store.settings;
    const LinkState &state = link.linkState;
    link.statusBarDisplay(QString(), false);
    StatusBar1->clearMessage();
    loadingComplete = false;
    {
        // filling the controls changes no option
        const QSignalBlocker blockTop(CheckBox1), blockUpdates(CheckBox4), blockCentre(autoCenterCheckBox);
        const QSignalBlocker blockPad(TrackBar1), blockTimeout(timeoutBar);
        CheckBox1->setChecked(settings.Alwaysontop);
        CheckBox4->setChecked(settings.checkForUpdates);
        autoCenterCheckBox->setChecked(settings.autoCenter);
        sliderPanels->move(0, state.panPresent ? 115 : 100);
        TrackBar1->setValue(padSensitivityPosition(settings.padSensitivity));
        timeoutBar->setValue(driveTimeOutPosition(settings.driveTimeOut));
    }
    // the acceleration takes the slider's value: 0 (none saved) becomes 5
    {
        const QSignalBlocker blockAccel(accelBar);
        accelBar->setValue(accelerationPosition(settings.accelSetting));
    }
    accelBarChange();
    clearSelection();
    for (int tab = 0; tab < PageControl1->count(); ++tab)
        PageControl1->setTabVisible(tab, false);
    for (QWidget *control :
         {static_cast<QWidget *>(Label12), static_cast<QWidget *>(Label13), static_cast<QWidget *>(PadSense),
          static_cast<QWidget *>(timeoutPanel), static_cast<QWidget *>(autoCenterCheckBox)})
        control->hide();
    controllerSettingsChanged = timeoutChanged = accelChanged = false;
    usersChanged = speedChanged = false;
    configurationAddress = QStringLiteral("http://") + userListAddress(state.userListText);

    if (userLoggedIn) {
        if (admin) {
            for (int tab = 0; tab < PageControl1->count(); ++tab)
                PageControl1->setTabVisible(tab, true);
            PageControl1->setCurrentWidget(UserAdmin);
            loadUserTab();
        } else {
            PageControl1->setTabVisible(PageControl1->indexOf(ControllerSetting), true);
        }
        const bool tableTop = state.robotModel.startsWith(u'T');
        PageControl1->setTabVisible(PageControl1->indexOf(RobotSetting), admin && !tableTop);
        autoCenterCheckBox->setVisible(!tableTop);
        PadSense->setVisible(!tableTop);
        timeoutPanel->setVisible(!tableTop);
        Label12->show();
        Label13->show();
    } else {
        PageControl1->setTabVisible(PageControl1->indexOf(ControllerSetting), true);
        PageControl1->setCurrentWidget(ControllerSetting);
    }
    loadingComplete = true;
}

void TOKRightDlg::loadUserTab()
{
    userName->clear();
    password->clear();
    isAdminBox->setChecked(false);
    {
        const QSignalBlocker blockSpeed(speedTrackbar);
        speedTrackbar->setValue(link.linkState.maxSpeed);
    }
    speedVal->setText(QString::number(link.linkState.maxSpeed));
    const UserListLoad load = loadUserList(link.linkState.userListText);
    userEntries = load.entries;
    fillListBox();
    // a list that cannot be administered here is neither edited nor sent back
    for (QWidget *control : std::initializer_list<QWidget *>{userName, password, isAdminBox, editUserButton,
                                                             addUserButton, Button2, speedTrackbar})
        control->setEnabled(!load.refused);
    if (!load.problem.isEmpty())
        showStatus(load.problem);
}

void TOKRightDlg::fillListBox()
{
    const QSignalBlocker blockList(ListBox1);
    ListBox1->clear();
    for (const QString &entry : userEntries)
        ListBox1->addItem(userListLine(splitUserEntry(entry)));
}

void TOKRightDlg::clearSelection()
{
    userSelected = false;
    selectedUserIndex = -1;
    selectedUserName.clear();
}

void TOKRightDlg::showStatus(const QString &text)
{
    StatusBar1->showMessage(text);
    Timer1->start();
}

void TOKRightDlg::tell(const UserEdit &outcome)
{
    if (outcome.notice == UserNotice::ErrorBox)
        link.platform.boxes->show(nullptr, errorBox(outcome.text));
    else
        showStatus(outcome.text);
}

void TOKRightDlg::Timer1Timer()
{
    StatusBar1->clearMessage();
    Timer1->stop();
}

void TOKRightDlg::listboxMouseDown()
{
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = ListBox1->row(selected.first());
    const UserRow user = splitUserEntry(userEntries.value(row));
    userSelected = true;
    selectedUserIndex = row;
    selectedUserName = user.name;
    userName->setText(user.name);
    password->setText(user.password);
    isAdminBox->setChecked(user.isAdmin());
}

void TOKRightDlg::addUserClick()
{
    const UserEdit outcome = addUser(userEntries, userName->text(), password->text(), isAdminBox->isChecked());
    if (outcome.done) {
        usersChanged = true;
        fillListBox(); // sorted anew: the rows selected before have moved
        clearSelection();
    }
    tell(outcome);
}

void TOKRightDlg::editUserClick()
{
    const int index = userSelected ? selectedUserIndex : -1;
    const UserEdit outcome =
        editUser(userEntries, index, selectedUserName, userName->text(), password->text(), isAdminBox->isChecked());
    if (outcome.done) {
        usersChanged = true;
        const QSignalBlocker blockList(ListBox1);
        ListBox1->item(index)->setText(userListLine(splitUserEntry(userEntries[index])));
        selectedUserName = splitUserEntry(userEntries[index]).name;
    }
    tell(outcome);
}

void TOKRightDlg::Button2Click()
{
    const int index = userSelected ? selectedUserIndex : -1;
    if (index >= 0 && userEntries.size() > 1) {
        // past the first checks the fields empty and the list counts as
        // changed, even when the user turns out to be the one signed in
        usersChanged = true;
        userName->clear();
        password->clear();
    }
    const UserEdit outcome = deleteUser(userEntries, index, link.userName);
    tell(outcome);
    if (!outcome.done)
        return;
    fillListBox();
    Timer1->stop(); // the message stays until the next one
    clearSelection();
}

void TOKRightDlg::speedTrack()
{
    if (speedTrackbar->isHidden() || !speedTrackbar->isEnabled() || !admin)
        return;
    const int speed = maximumSpeedPosition(speedTrackbar->value());
    if (speed != speedTrackbar->value()) {
        const QSignalBlocker blockSpeed(speedTrackbar);
        speedTrackbar->setValue(speed);
    }
    speedVal->setText(QString::number(speed));
    speedChanged = usersChanged = true;
    if (loadingComplete)
        StatusBar1->showMessage(QStringLiteral("Press OK to save changes to QuorvelBot."));
    Timer1->start();
}

void TOKRightDlg::Label12Click()
{
    const QUrl address(configurationAddress, QUrl::StrictMode);
    if (!address.isValid() || address.host().isEmpty()) {
        showStatus(QStringLiteral("The robot did not tell its address"));
        return;
    }
    if (!openWebPage(address))
        showStatus(QStringLiteral("No web browser to open ") + configurationAddress);
}

void TOKRightDlg::alwaysOnTopChange()
{
    if (!loadingComplete)
        return;
    store.settings.Alwaysontop = CheckBox1->isChecked();
    if (link.linkState.inSession)
        emit stayOnTopWanted(store.settings.Alwaysontop);
    showStatus(QStringLiteral("Press OK to save changes"));
    controllerSettingsChanged = true;
}

void TOKRightDlg::CheckBox4Click()
{
    store.settings.checkForUpdates = CheckBox4->isChecked();
    if (loadingComplete)
        StatusBar1->showMessage(QStringLiteral("Press OK to apply changes."));
    Timer1->start();
    controllerSettingsChanged = true;
}

void TOKRightDlg::autoCenterCheckBoxClick()
{
    store.settings.autoCenter = autoCenterCheckBox->isChecked();
    controllerSettingsChanged = true;
}

void TOKRightDlg::TrackBar1Change()
{
    store.settings.padSensitivity = padSensitivityValue(TrackBar1->value());
    controllerSettingsChanged = true;
}

void TOKRightDlg::timeoutBarChange()
{
    if (timeoutPanel->isHidden())
        return;
    Timer1->start();
    store.settings.driveTimeOut = driveTimeOutValue(timeoutBar->value());
    controllerSettingsChanged = timeoutChanged = true;
}

void TOKRightDlg::accelBarChange()
{
    accelChanged = true;
    store.settings.accelSetting = accelBar->value();
    accelVal->setText(QString::number(accelBar->value()));
    controllerSettingsChanged = true;
}

void TOKRightDlg::done(int result)
{
    // OK, Cancel, Escape, the close box and the end of a session all end here
    dialogClose();
    QDialog::done(result);
}

void TOKRightDlg::dialogClose()
{
    if (controllerSettingsChanged) {
        emit settingsToWrite();
        controllerSettingsChanged = false;
    }
    try {
        if (timeoutChanged && link.linkState.inSession)
            link.sendData(driveTimeOutCommand(store.settings.driveTimeOut), 0);
        if (accelChanged)
            link.sendData(accelerationCommand(accelBar->value()), 0);
    } catch (const std::exception &) {
        // not reported; the robot keeps what it had
    }
}

void TOKRightDlg::sendUserChanges()
{
    admin = false;
    if (usersChanged) {
        link.statusBarDisplay(QStringLiteral("Waiting for remote acknowledgement"), false);
        try {
            link.sendData(userListMessage(speedVal->text(), userEntries), 1);
        } catch (const std::exception &) {
            link.writelogfile(QStringLiteral("Error sending settings string to Bot"));
        }
    }
    if (speedChanged)
        link.linkState.maxSpeed = speedVal->text().toInt();
}
