#include "platform/MessageBoxes.h"

#include <QMessageBox>
#include <QWidget>

namespace {

QMessageBox::Icon toQt(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Error: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(BoxButtons buttons)
{
    switch (buttons) {
    case BoxButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case BoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case BoxButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

} // namespace

BoxAnswer WidgetMessageBoxes::show(QWidget *owner, const BoxRequest &request)
{
    // A box for a window not yet on the screen (the errors of the start-up)
    // is centred on the screen, not on where that window would be.
    QWidget *parent = owner && owner->window()->isVisible() ? owner : nullptr;
    QMessageBox box(toQt(request.icon), request.caption, request.text, toQt(request.buttons), parent);
    switch (box.exec()) {
    case QMessageBox::Cancel: return BoxAnswer::Cancel;
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    default: return BoxAnswer::Ok;
    }
}
