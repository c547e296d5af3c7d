#pragma once
// What needs the desktop session: opening documents with the desktop's default viewer.
#include <QString>

namespace platform {

// True when the desktop took the document.
bool openDocument(const QString& path);

} // namespace platform
