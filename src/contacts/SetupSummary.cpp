#include "contacts/SetupSummary.h"

QString setupSummaryText(const SetupSummaryFacts &facts)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("Robot Control Path :  ") + setupPathItemText(facts.path) + crlf +
                   QStringLiteral("Audio/Video Conferencing Application : ") +
                   setupConferencingItemText(facts.conferencing) + crlf + QStringLiteral("QuorvelBot Description :  ") +
                   facts.description + crlf;
    if (facts.path == SetupPath::DirectSocket)
        text += QStringLiteral("QuorvelBot IP Address :  ") + facts.baseName + crlf;
    else if (facts.path == SetupPath::WebRTC || facts.path == SetupPath::Auto)
        text += QStringLiteral("QuorvelBot Base Name :  ") + facts.baseName + crlf;
    if (facts.conferencing == SetupConferencing::Skype)
        return text + QStringLiteral("QuorvelBot User Device Skype Name :  ") + facts.headSkypeName + crlf;
    return text + crlf + QStringLiteral("This application cannot place a call automatically for the third") + crlf +
           QStringLiteral("party A/V conferencing application being used. You will have to") + crlf +
           QStringLiteral("manually place the call.") + crlf + crlf +
           QStringLiteral("Refer to the manual for further instructions.");
}
