#pragma once
#include <QString>

class QWidget;

enum class BoxIcon { None, Information, Warning, Error, Question };
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct BoxRequest {
    QString text;
    QString caption;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
};

// The box of an error: the text, "Error" and the error icon.
inline BoxRequest errorBox(const QString &text)
{
    return {text, QStringLiteral("Error"), BoxIcon::Error};
}

// Modal message boxes. The call returns when the operator has closed the box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual BoxAnswer show(QWidget *owner, const BoxRequest &request) = 0;
};

class WidgetMessageBoxes : public MessageBoxes {
public:
    BoxAnswer show(QWidget *owner, const BoxRequest &request) override;
};
