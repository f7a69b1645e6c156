#include "platform/Pointer.h"

#include <QCursor>

void CursorPointer::moveTo(QPoint screenPoint)
{
    QCursor::setPos(screenPoint);
}
