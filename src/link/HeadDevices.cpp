#include "link/HeadDevices.h"

#include <array>
#include <utility>

QString headDisplayName(const QString &code)
{
    static const std::array<std::pair<const char *, const char *>, 9> names{{
        {"galaxy", "Samsung Galaxy Tab"},
        {"galaxy2", "Samsung Galaxy Tab 2"},
        {"galaxy3", "Samsung Galaxy Tab 3"},
        {"ipadair", "Apple iPad Air"},
        {"ipad2", "Apple iPad 2"},
        {"ipad3", "Apple iPad 3"},
        {"iphone4", "Apple iPhone 4"},
        {"iphone4s", "Apple iPhone 4S"},
        {"ipad4", "Apple iPad 4"},
    }};
    for (const auto &[key, name] : names)
        if (code.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(name);
    return QStringLiteral("Other");
}
