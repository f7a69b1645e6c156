#include "ui/ButtonLook.h"

#include <QAbstractButton>

void setButtonLook(QAbstractButton *button, const QColor &colour, bool bold)
{
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colour);
    // a light caption (the headlights' low step is white) gets a dark ground,
    // or it would vanish on the light status bar
    const bool light = colour.lightness() > 160;
    const QColor ground = light ? QColor(80, 80, 80) : button->parentWidget()->palette().color(QPalette::Window);
    palette.setColor(button->backgroundRole(), ground);
    button->setAutoFillBackground(light);
    button->setPalette(palette);
}
