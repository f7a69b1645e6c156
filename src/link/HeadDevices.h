#pragma once
#include <QString>

// The display name of a head device code, looked up ignoring case; "Other"
// for codes we do not know.
QString headDisplayName(const QString &code);
