#include "contacts/SetupChecks.h"

#include "contacts/RobotFolder.h"

#include <algorithm>

namespace {

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

bool breaksContactLine(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar ch) { return ch == u',' || ch.category() == QChar::Other_Control; });
}

} // namespace

bool IsWrongIP(const QString &text)
{
    if (text.size() > 15 || text.startsWith(u'.'))
        return false;
    int dots = 0;
    QString group;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u'.') {
            ++dots;
            group.clear();
            if (i + 1 == text.size() || !isDigit(text[i + 1]))
                return false;
        } else if (isDigit(ch)) {
            group += ch;
            if (group.size() > 3 || group.toInt() > 255)
                return false;
        } else {
            return false;
        }
    }
    return dots == 3;
}

QString directSocketBaseNameProblem(const QString &baseName)
{
    if (!baseName.isEmpty() && isDigit(baseName[0]))
        return IsWrongIP(baseName) ? QString() : QStringLiteral("IP information provided is wrong. Try again");
    if (baseName.left(10).compare(QStringLiteral("quorvelbot"), Qt::CaseInsensitive) == 0 ||
        baseName.left(8).compare(QStringLiteral("lindmere"), Qt::CaseInsensitive) == 0)
        return {};
    return QStringLiteral("Bot Name wrong. Try again");
}

QString headSkypeNameProblem(const QString &skypeName)
{
    if (skypeName.isEmpty())
        return QStringLiteral("Select head name before continuing");
    if (breaksContactLine(skypeName))
        return QStringLiteral("The Skype name cannot contain \",\" or a line break");
    return {};
}

QString robotListFullProblem(const ContactList &list)
{
    if (list.count < ContactList::Capacity)
        return {};
    return QStringLiteral("The robot list is full: it holds at most %1 robots. Delete one before adding another.")
        .arg(ContactList::Capacity);
}

QString setupFirstPageProblem(const SetupFirstPage &page, const ContactList &list)
{
    if (page.addMode) {
        if (const QString full = robotListFullProblem(list); !full.isEmpty())
            return full;
    }
    if (!page.descriptionTouched || !page.baseNameTouched || page.description.isEmpty() || page.baseName.isEmpty())
        return QStringLiteral("Enter QuorvelBot Description and Base Name");
    if (page.addMode) {
        const auto end = list.entries.begin() + list.count;
        if (std::any_of(list.entries.begin(), end,
                        [&](const RobotContact &entry) { return entry.description == page.description; }))
            return QStringLiteral("A QuorvelBot with entered description already exists.Enter a different "
                                  "description");
    }
    if (breaksContactLine(page.description) || breaksContactLine(page.baseName))
        return QStringLiteral("QuorvelBot Description and Base Name cannot contain \",\" or a line break");
    if (const QString fault = robotFolderNameFault(page.description); !fault.isEmpty())
        return fault + QStringLiteral(", so it cannot name the robot's folder. Enter a different description");
    if (page.path == SetupPath::DirectSocket)
        return directSocketBaseNameProblem(page.baseName);
    return {};
}
