#pragma once
#include <QDialog>
#include <QString>

#include "contacts/SetupChoices.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTimer;
class RobotLink;
class RobotList;
struct RobotContact;

// The add-robot wizard "QuorvelBot Vindra Setup": adds a robot to the list,
// or shows one and lets the operator change it. Page 0 takes the control
// path, the conferencing application, the description and the base name;
// page 1 fetches the cloud-service credentials (cloud and Auto robots);
// page 2 takes the head device's Skype name; the summary page shows the
// entry OK will write. It is made once and shown again for each use.
class TOKRightDlg1 : public QDialog {
    Q_OBJECT

public:
    enum Page { Step1Page = 0, CredentialsPage = 1, SkypePage = 2, SummaryPage = 3 };

    TOKRightDlg1(RobotLink &link, RobotList &robots, QWidget *parent = nullptr);
    ~TOKRightDlg1() override;

    // Opens on a blank first page for a new robot; a full list is refused
    // with a message instead.
    void openForAdding();
    // Opens on the summary of the robot at index, which OK then overwrites.
    void openForViewing(int index);

    QTabWidget *SetupPageControl;
    QWidget *setupPage0;
    QWidget *setupPage2;
    QWidget *setupPage3;
    QWidget *setupSummary;
    QComboBox *transPortSelectCombo;
    QComboBox *placeCallUsing;
    QLineEdit *botNameEdit;
    QLabel *Label3;
    QLineEdit *botSkypeNameEdit;
    QLabel *Label9;
    QLineEdit *uNameEdit;
    QLineEdit *passEdit;
    QPushButton *valButton;
    QLabel *Label8;
    QListWidget *ListBox1;
    QLineEdit *skypeManualEntry;
    QLabel *Label6;
    QLabel *sumLabel;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *nextBtn;
    QTimer *validityTimer;
    QTimer *step3ShowTimer;

    // -1 while adding; the index of the robot shown otherwise
    int editedIndex = -1;
    // the key of the path chosen when Next last left page 0
    QString chosenPathKey;
    bool descriptionTouched = false;
    bool baseNameTouched = false;
    bool credentialsValidated = false;
    bool cloudLeftOut = false;
    int answerPolls = 0;

    void transPortSelectComboChange();
    void nextBtnClick();
    void step3ShowTimerTimer();
    void summaryShow();
    void ListBox1Click();
    void OKBtnClick();
    void CancelBtnClick();

    // --- the cloud-service credentials (contacts/CloudCredentialFetch.cpp) ---
    void valButtonClick();
    void validityTimerTimer();

signals:
    // OK wrote the robot list with the robot at row; the window shows it.
    void robotListSaved(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createPages();
    QWidget *createStep1Page();
    QWidget *createCredentialsPage();
    QWidget *createSkypePage();
    QWidget *createSummaryPage();
    void createButtons();

    void prepareForAdding();
    void prepareForViewing(const RobotContact &entry);
    // Makes page current and runs what its showing does, also when it was
    // current already.
    void showPage(Page page);
    void pageShown(int index);
    void showTab(Page page, bool visible);
    void botNameChange();
    void botSkypeNameChange();
    void clearPlaceholderOnce(QLineEdit *field, bool &touched);
    bool holdsChosenContact() const;

    void nextFromStep1();
    void nextFromCredentials();
    void nextFromSkypePage();
    void goToCredentialsPage();
    // With Skype the contact page comes next, else the summary.
    void goOnAfterPath(const QString &skypeCaption, bool enableOkOnSummary);

    SetupPath chosenPath() const;
    SetupConferencing chosenConferencing() const;
    bool autoPathChosen() const;
    BoxAnswer showBox(const BoxRequest &request);
    void showMessage(const QString &text);

    // credential fetch
    bool startSetupCompanion();
    void endSetupCompanion();
    void giveUpWaiting();
    void takeCredentialAnswer(const QString &reply);
    bool writeCloudConfig(const QByteArray &contents);

    RobotLink &link;
    RobotList &robots;
    StartedProgram setupCompanion;
};
