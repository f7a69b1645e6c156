#include "link/LinkError.h"

QString errorText(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const LinkError *>(&error))
        return own->message();
    return QString::fromUtf8(error.what());
}
