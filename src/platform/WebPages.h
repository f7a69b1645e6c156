#pragma once
#include <QUrl>

// Opens a web address with the desktop's default web browser; false when the
// desktop has none that would take it.
bool openWebPage(const QUrl &address);
