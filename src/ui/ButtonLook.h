#pragma once
#include <QColor>

class QAbstractButton;

// The accessory buttons show their state by the colour and weight of their
// caption.
void setButtonLook(QAbstractButton *button, const QColor &colour, bool bold);
