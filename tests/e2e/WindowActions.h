#pragma once
#include "Desktop.h"

#include <QPoint>
#include <QString>

// Places in the controller's window, in its own pixels at 96 dpi, and what a
// person does there.
namespace WindowPlaces {
inline const QPoint userNameField(60, 283);
inline const QPoint passwordField(170, 283);
inline const QPoint padCentre(115, 82);
inline const QPoint endButton(570, 147);
} // namespace WindowPlaces

// Types the credentials, presses Enter and confirms the reminder about the
// conferencing program that the first sign-in shows.
bool signIn(const Desktop &desktop, const QString &window, const QString &user, const QString &password);

// Holds the left button on the pad and moves by offset from its centre.
void dragOnPad(const Desktop &desktop, const QString &window, QPoint offset);
