#include "contacts/TOKRightDlg1.h"

#include "contacts/RobotList.h"
#include "contacts/SetupChecks.h"
#include "contacts/SetupSummary.h"
#include "link/LinkError.h"
#include "link/RobotLink.h"
#include "platform/MessageBoxes.h"
#include "platform/SkypeClient.h"
#include "ui/Artwork.h"
#include "ui/Picture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString BaseNameLabel = QStringLiteral("Vindra Base Name");
const QString SerialNumber = QStringLiteral("Vindra Serial Number");
const QString DescriptionPlaceholder = QStringLiteral("Description of Vindra ( e.g.  location)");

QLabel *heading(const QString &text, QWidget *page)
{
    auto *label = new QLabel(text, page);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

Picture *logo(QWidget *page)
{
    auto *picture = new Picture(artwork::logo, page);
    picture->setFixedSize(217, 101);
    return picture;
}

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TOKRightDlg1::TOKRightDlg1(RobotLink &link, RobotList &robots, QWidget *parent)
    : QDialog(parent), validityTimer(new QTimer(this)), step3ShowTimer(new QTimer(this)), link(link), robots(robots)
{
    setObjectName(QStringLiteral("TOKRightDlg1"));
    setWindowTitle(QStringLiteral("QuorvelBot Vindra Setup"));
    validityTimer->setInterval(100);
    step3ShowTimer->setInterval(500);
    step3ShowTimer->setSingleShot(true);
    connect(validityTimer, &QTimer::timeout, this, &TOKRightDlg1::validityTimerTimer);
    connect(step3ShowTimer, &QTimer::timeout, this, &TOKRightDlg1::step3ShowTimerTimer);
    createPages();
    createButtons();
}

TOKRightDlg1::~TOKRightDlg1()
{
    endSetupCompanion();
}

void TOKRightDlg1::createPages()
{
    SetupPageControl = named(new QTabWidget(this), "SetupPageControl");
    // Next walks the pages; the tabs are for the mouse
    SetupPageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    setupPage0 = createStep1Page();
    setupPage2 = createCredentialsPage();
    setupPage3 = createSkypePage();
    setupSummary = createSummaryPage();
    SetupPageControl->addTab(setupPage0, QStringLiteral("Step1"));
    SetupPageControl->addTab(setupPage2, QStringLiteral("Step 2"));
    SetupPageControl->addTab(setupPage3, QStringLiteral("Step 2"));
    SetupPageControl->addTab(setupSummary, QStringLiteral("Summary"));
    connect(SetupPageControl, &QTabWidget::currentChanged, this, &TOKRightDlg1::pageShown);
}

QWidget *TOKRightDlg1::createStep1Page()
{
    auto *page = named(new QWidget, "setupPage0");
    auto *column = new QVBoxLayout(page);
    column->addWidget(logo(page), 0, Qt::AlignHCenter);
    column->addWidget(new QLabel(QStringLiteral("Select Robot Control Path for QuorvelBot"), page));
    transPortSelectCombo = named(new QComboBox(page), "transPortSelectCombo");
    for (const SetupPath path : {SetupPath::CloudService, SetupPath::DirectSocket, SetupPath::WebRTC, SetupPath::Auto})
        transPortSelectCombo->addItem(setupPathItemText(path));
    column->addWidget(transPortSelectCombo);
    column->addWidget(new QLabel(QStringLiteral("Select Audio/Video Conferencing Application"), page));
    placeCallUsing = named(new QComboBox(page), "placeCallUsing");
    placeCallUsing->addItems(
        {setupConferencingItemText(SetupConferencing::Skype), setupConferencingItemText(SetupConferencing::Other)});
    column->addWidget(placeCallUsing);
    column->addWidget(new QLabel(QStringLiteral("Vindra description"), page));
    botNameEdit = named(new QLineEdit(page), "botNameEdit");
    column->addWidget(botNameEdit);
    Label3 = named(new QLabel(BaseNameLabel, page), "Label3");
    column->addWidget(Label3);
    botSkypeNameEdit = named(new QLineEdit(page), "botSkypeNameEdit");
    column->addWidget(botSkypeNameEdit);
    column->addStretch();

    connect(transPortSelectCombo, qOverload<int>(&QComboBox::activated), this,
            &TOKRightDlg1::transPortSelectComboChange);
    // the placeholders go when the focus first enters a field
    for (QObject *watched : {static_cast<QObject *>(botNameEdit), static_cast<QObject *>(botSkypeNameEdit),
                             static_cast<QObject *>(Label3)})
        watched->installEventFilter(this);
    // credentials fetched for another robot are not this one's
    for (QLineEdit *edit : {botNameEdit, botSkypeNameEdit})
        connect(edit, &QLineEdit::textEdited, this, [this] { credentialsValidated = false; });
    return page;
}

QWidget *TOKRightDlg1::createCredentialsPage()
{
    auto *page = named(new QWidget, "setupPage2");
    auto *column = new QVBoxLayout(page);
    column->addWidget(heading(QStringLiteral("QuorvelBot Communications Service Configuration"), page), 0,
                      Qt::AlignHCenter);
    column->addWidget(logo(page), 0, Qt::AlignHCenter);
    Label9 = named(new QLabel(page), "Label9");
    column->addWidget(Label9, 0, Qt::AlignHCenter);
    column->addWidget(new QLabel(QStringLiteral("Username"), page));
    uNameEdit = named(new QLineEdit(page), "uNameEdit");
    column->addWidget(uNameEdit);
    column->addWidget(new QLabel(QStringLiteral("Password"), page));
    passEdit = named(new QLineEdit(page), "passEdit");
    passEdit->setEchoMode(QLineEdit::Password);
    column->addWidget(passEdit);
    valButton = named(new QPushButton(QStringLiteral("Validate"), page), "valButton");
    valButton->setAutoDefault(false);
    column->addWidget(valButton, 0, Qt::AlignHCenter);
    column->addStretch();
    connect(valButton, &QPushButton::clicked, this, &TOKRightDlg1::valButtonClick);
    return page;
}

QWidget *TOKRightDlg1::createSkypePage()
{
    auto *page = named(new QWidget, "setupPage3");
    auto *column = new QVBoxLayout(page);
    Label8 = named(new QLabel(QStringLiteral("Vindra User Device Skype Name"), page), "Label8");
    column->addWidget(Label8);
    ListBox1 = named(new QListWidget(page), "ListBox1");
    column->addWidget(ListBox1);
    skypeManualEntry = named(new QLineEdit(page), "skypeManualEntry");
    skypeManualEntry->installEventFilter(this);
    column->addWidget(skypeManualEntry);
    Label6 = named(new QLabel(QStringLiteral("Waiting for Skype Authorization"), page), "Label6");
    column->addWidget(Label6);
    connect(ListBox1, &QListWidget::itemClicked, this, &TOKRightDlg1::ListBox1Click);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TOKRightDlg1::ListBox1Click);
    return page;
}

QWidget *TOKRightDlg1::createSummaryPage()
{
    auto *page = named(new QWidget, "setupSummary");
    auto *column = new QVBoxLayout(page);
    sumLabel = named(new QLabel(page), "sumLabel");
    sumLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(sumLabel, 1);
    return page;
}

void TOKRightDlg1::createButtons()
{
    OKBtn = named(new QPushButton(QStringLiteral("OK")), "OKBtn");
    CancelBtn = named(new QPushButton(QStringLiteral("Cancel")), "CancelBtn");
    nextBtn = named(new QPushButton(QStringLiteral("Next   >")), "nextBtn");
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : {OKBtn, CancelBtn, nextBtn}) {
        // Enter means Next, else OK, whichever button has the focus
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    OKBtn->setEnabled(false);
    nextBtn->setEnabled(false);
    auto *column = new QVBoxLayout(this);
    column->addWidget(SetupPageControl, 1);
    column->addLayout(row);
    connect(OKBtn, &QPushButton::clicked, this, &TOKRightDlg1::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TOKRightDlg1::CancelBtnClick);
    connect(nextBtn, &QPushButton::clicked, this, &TOKRightDlg1::nextBtnClick);

    setTabOrder(transPortSelectCombo, placeCallUsing);
    setTabOrder(placeCallUsing, botNameEdit);
    setTabOrder(botNameEdit, botSkypeNameEdit);
    setTabOrder(botSkypeNameEdit, uNameEdit);
    setTabOrder(uNameEdit, passEdit);
    setTabOrder(passEdit, valButton);
    setTabOrder(valButton, ListBox1);
    setTabOrder(ListBox1, skypeManualEntry);
    setTabOrder(skypeManualEntry, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, nextBtn);
}

void TOKRightDlg1::openForAdding()
{
    if (const QString full = robotListFullProblem(robots.contactList); !full.isEmpty()) {
        showMessage(full);
        return;
    }
    editedIndex = -1;
    SetupPageControl->setCurrentIndex(Step1Page);
    for (const Page page : {CredentialsPage, SkypePage, SummaryPage})
        showTab(page, false);
    transPortSelectCombo->setCurrentIndex(0);
    prepareForAdding();
    show();
    raise();
    activateWindow();
    transPortSelectCombo->setFocus();
}

void TOKRightDlg1::openForViewing(int index)
{
    if (index < 0 || index >= robots.contactList.count)
        return;
    editedIndex = index;
    prepareForViewing(robots.contactList.entries[size_t(index)]);
    show();
    raise();
    activateWindow();
    CancelBtn->setFocus();
}

void TOKRightDlg1::prepareForAdding()
{
    botNameEdit->setText(DescriptionPlaceholder);
    skypeManualEntry->clear();
    uNameEdit->clear();
    passEdit->clear();
    descriptionTouched = baseNameTouched = credentialsValidated = cloudLeftOut = false;
    Label3->setText(BaseNameLabel);
    botSkypeNameEdit->setText(QStringLiteral("Name of Vindra"));
    showTab(Step1Page, true);
    showTab(CredentialsPage, false);
    showTab(SkypePage, false);
    setupSummary->setEnabled(false);
    nextBtn->setEnabled(false);
    OKBtn->setEnabled(false);
    transPortSelectCombo->setCurrentIndex(0);
    transPortSelectCombo->setEnabled(true);
    placeCallUsing->setCurrentIndex(int(SetupConferencing::Skype));
    ListBox1->setCurrentRow(-1);
    transPortSelectComboChange();
}

void TOKRightDlg1::prepareForViewing(const RobotContact &entry)
{
    for (const Page page : {Step1Page, CredentialsPage, SkypePage})
        showTab(page, false);
    setupSummary->setEnabled(false);
    nextBtn->setEnabled(false);
    credentialsValidated = false;
    uNameEdit->clear();
    passEdit->clear();
    botNameEdit->setText(entry.description);
    botSkypeNameEdit->setText(entry.baseName);
    placeCallUsing->setCurrentIndex(int(SetupConferencing::Other));
    if (const std::optional<SetupPath> path = setupPathOfKey(entry.controlPathKey)) {
        transPortSelectCombo->setCurrentIndex(int(*path));
        transPortSelectComboChange();
        if (entry.conferencingPeer != QLatin1String("Other")) {
            placeCallUsing->setCurrentIndex(int(SetupConferencing::Skype));
            skypeManualEntry->setText(entry.conferencingPeer);
        }
        showTab(Step1Page, true);
        showTab(SummaryPage, true);
        if (*path == SetupPath::DirectSocket)
            Label3->setText(QStringLiteral("Vindra Basename/IP"));
        else if (*path != SetupPath::CloudService)
            Label3->setText(QStringLiteral("Vindra Basename"));
        botSkypeNameEdit->setText(entry.baseName);
        // an OK here keeps the robot's own path
        chosenPathKey = setupPathKey(*path);
    }
    descriptionTouched = baseNameTouched = true;
    ListBox1->setCurrentRow(-1);
    showPage(SummaryPage);
    OKBtn->setEnabled(false);
    nextBtn->setEnabled(false);
    transPortSelectCombo->setEnabled(false);
    cloudLeftOut = false;
}

void TOKRightDlg1::transPortSelectComboChange()
{
    const bool directSocket = chosenPath() == SetupPath::DirectSocket;
    Label3->setText(directSocket ? QStringLiteral("Vindra Basename/IP") : SerialNumber);
    botSkypeNameEdit->setText(directSocket ? QStringLiteral("Basename/IP Address") : SerialNumber);
}

void TOKRightDlg1::botNameChange()
{
    clearPlaceholderOnce(botNameEdit, descriptionTouched);
}

void TOKRightDlg1::botSkypeNameChange()
{
    clearPlaceholderOnce(botSkypeNameEdit, baseNameTouched);
}

void TOKRightDlg1::clearPlaceholderOnce(QLineEdit *field, bool &touched)
{
    if (touched)
        return;
    field->clear();
    touched = true;
    if (descriptionTouched && baseNameTouched)
        nextBtn->setEnabled(true);
}

void TOKRightDlg1::showTab(Page page, bool visible)
{
    SetupPageControl->setTabVisible(page, visible);
}

void TOKRightDlg1::showPage(Page page)
{
    showTab(page, true);
    if (SetupPageControl->currentIndex() == page)
        pageShown(page);
    else
        SetupPageControl->setCurrentIndex(page);
}

void TOKRightDlg1::pageShown(int index)
{
    switch (index) {
    case Step1Page:
    case CredentialsPage:
        nextBtn->setEnabled(true);
        OKBtn->setEnabled(false);
        break;
    case SkypePage: step3ShowTimer->start(); break;
    case SummaryPage: summaryShow(); break;
    default: break;
    }
}

void TOKRightDlg1::nextBtnClick()
{
    switch (SetupPageControl->currentIndex()) {
    case Step1Page: nextFromStep1(); break;
    case CredentialsPage: nextFromCredentials(); break;
    case SkypePage: nextFromSkypePage(); break;
    default: break;
    }
}

void TOKRightDlg1::nextFromStep1()
{
    const SetupFirstPage page{chosenPath(),       botNameEdit->text(), botSkypeNameEdit->text(),
                              descriptionTouched, baseNameTouched,     editedIndex < 0};
    if (const QString problem = setupFirstPageProblem(page, robots.contactList); !problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    showTab(CredentialsPage, false);
    showTab(SkypePage, false);
    chosenPathKey = setupPathKey(chosenPath());
    switch (chosenPath()) {
    case SetupPath::CloudService:
    case SetupPath::Auto: goToCredentialsPage(); break;
    case SetupPath::DirectSocket: goOnAfterPath(QStringLiteral("Step 2"), false); break;
    case SetupPath::WebRTC: goOnAfterPath(QStringLiteral("Step 2"), true); break;
    }
}

void TOKRightDlg1::goToCredentialsPage()
{
    setupPage2->setEnabled(true);
    showPage(CredentialsPage);
    Label9->setText(QStringLiteral("Enter your Username/Password for ") + botNameEdit->text());
}

void TOKRightDlg1::goOnAfterPath(const QString &skypeCaption, bool enableOkOnSummary)
{
    if (chosenConferencing() == SetupConferencing::Other) {
        setupSummary->setEnabled(true);
        showPage(SummaryPage);
        if (enableOkOnSummary)
            OKBtn->setEnabled(true);
        return;
    }
    SetupPageControl->setTabText(SkypePage, skypeCaption);
    showPage(SkypePage);
}

void TOKRightDlg1::nextFromCredentials()
{
    if (credentialsValidated || cloudLeftOut) {
        goOnAfterPath(QStringLiteral("Step 3"), true);
        return;
    }
    if (!autoPathChosen()) {
        showMessage(QStringLiteral("Validate the key before continuing"));
        return;
    }
    const BoxRequest question{QStringLiteral("Not contacting QuorvelBot Vindra for authentication.\r\n"
                                             "If you think this is in error, click `No` to retry, otherwise press "
                                             "`Yes` to not include QCS in auto path"),
                              QCoreApplication::applicationName(), BoxIcon::Information, BoxButtons::YesNo};
    if (showBox(question) != BoxAnswer::Yes)
        return;
    cloudLeftOut = true;
    nextFromCredentials();
}

void TOKRightDlg1::step3ShowTimerTimer()
{
    step3ShowTimer->stop();
    if (ListBox1->count() == 0) {
        try {
            std::unique_ptr<SkypeClient> client = link.platform.skype->create();
            if (!client->isRunning()) {
                showBox({QStringLiteral("Skype not running.\r\nMake sure Skype is running before trying again"),
                         QStringLiteral("Error")});
                showTab(SkypePage, false);
                showPage(Step1Page);
                return;
            }
            client->attach(8, true);
            ListBox1->clear();
            Label6->clear();
            ListBox1->addItems(client->friends());
            ListBox1->sortItems();
        } catch (const std::exception &error) {
            showMessage(errorText(error));
            showTab(SkypePage, false);
            showPage(Step1Page);
            return;
        }
    }
    OKBtn->setEnabled(false);
    nextBtn->setEnabled(true);
}

void TOKRightDlg1::nextFromSkypePage()
{
    if (const QString problem = headSkypeNameProblem(skypeManualEntry->text()); !problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    setupSummary->setEnabled(true);
    showPage(SummaryPage);
    nextBtn->setEnabled(false);
    OKBtn->setEnabled(true);
}

bool TOKRightDlg1::holdsChosenContact() const
{
    // the keyboard's way from the contact list to the field keeps the choice
    const QListWidgetItem *contact = ListBox1->currentItem();
    return contact && contact->text() == skypeManualEntry->text();
}

void TOKRightDlg1::ListBox1Click()
{
    if (QListWidgetItem *item = ListBox1->currentItem())
        skypeManualEntry->setText(item->text());
}

void TOKRightDlg1::summaryShow()
{
    const SetupSummaryFacts facts{chosenPath(), chosenConferencing(), botNameEdit->text(), botSkypeNameEdit->text(),
                                  skypeManualEntry->text()};
    sumLabel->setText(setupSummaryText(facts));
    if (facts.path == SetupPath::DirectSocket)
        OKBtn->setEnabled(true);
    nextBtn->setEnabled(false);
}

void TOKRightDlg1::OKBtnClick()
{
    ContactList &list = robots.contactList;
    const bool adding = editedIndex < 0;
    if (adding && !robotListFullProblem(list).isEmpty()) {
        showMessage(robotListFullProblem(list));
        return;
    }
    const int row = adding ? list.count : editedIndex;
    const ContactList before = list;
    RobotContact &entry = list.entries[size_t(row)];
    if (adding)
        entry = RobotContact{};
    entry.controlPathKey = chosenPathKey;
    entry.description = botNameEdit->text();
    entry.baseName = botSkypeNameEdit->text();
    if (chosenConferencing() == SetupConferencing::Other) {
        entry.conferencingPeer = QStringLiteral("Other");
    } else {
        entry.conferencingPeer = skypeManualEntry->text();
        // the contact's own spelling, when the typed name differs only in case
        const QListWidgetItem *contact = ListBox1->currentItem();
        if (contact && contact->isSelected() &&
            contact->text().compare(entry.conferencingPeer, Qt::CaseInsensitive) == 0)
            entry.conferencingPeer = contact->text();
    }
    // a changed robot forgets the credentials remembered for it
    entry.savedUserName.clear();
    entry.savedPassword.clear();
    if (adding) {
        entry.cameraMemoryText = QStringLiteral("45:45:45:45:45:45");
        ++list.count;
    }
    try {
        robots.save(-1);
    } catch (const std::exception &error) {
        list = before;
        showMessage(errorText(error));
        return;
    }
    hide();
    emit robotListSaved(row);
}

void TOKRightDlg1::CancelBtnClick()
{
    hide();
}

void TOKRightDlg1::hideEvent(QHideEvent *event)
{
    // an answer after the wizard closed would have no page to act on
    validityTimer->stop();
    step3ShowTimer->stop();
    endSetupCompanion();
    QDialog::hideEvent(event);
}

bool TOKRightDlg1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == botNameEdit)
            botNameChange();
        else if (watched == botSkypeNameEdit)
            botSkypeNameChange();
        else if (watched == skypeManualEntry && !holdsChosenContact())
            skypeManualEntry->clear();
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == Label3) {
        botNameChange();
    }
    return QDialog::eventFilter(watched, event);
}

void TOKRightDlg1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (nextBtn->isEnabled())
            nextBtn->click();
        else if (OKBtn->isEnabled())
            OKBtn->click();
        return;
    }
    QDialog::keyPressEvent(event); // Escape cancels
}

SetupPath TOKRightDlg1::chosenPath() const
{
    return SetupPath(qBound(0, transPortSelectCombo->currentIndex(), 3));
}

SetupConferencing TOKRightDlg1::chosenConferencing() const
{
    return placeCallUsing->currentIndex() == int(SetupConferencing::Other) ? SetupConferencing::Other
                                                                           : SetupConferencing::Skype;
}

bool TOKRightDlg1::autoPathChosen() const
{
    return chosenPathKey == setupPathKey(SetupPath::Auto);
}

BoxAnswer TOKRightDlg1::showBox(const BoxRequest &request)
{
    // over the wizard, where the operator is looking
    return link.platform.boxes->show(this, request);
}

void TOKRightDlg1::showMessage(const QString &text)
{
    showBox({text, QCoreApplication::applicationName()});
}
