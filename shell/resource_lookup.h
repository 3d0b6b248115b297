#pragma once
// The resource library VRA.RGF as the shell uses it: registered once however
// often start-up asks, and pictures as pixmaps for the window's widgets
// (platform/qt/resources.h does the loading and the lookup by name).
#include <QCursor>
#include <QPixmap>
#include <QString>
#include <string_view>

namespace tessaro::shell {

/// Registers the library file; false when it is missing or not a resource
/// file. Registering the same file again is harmless.
bool loadLibrary(const QString& path);
/// Unregisters a library registered by loadLibrary.
void unloadLibrary(const QString& path);

/// A picture of the library; a null pixmap when the library does not hold it.
QPixmap picture(std::string_view name);
/// A cursor of the library with its hot spot; false when it is not there.
bool libraryCursor(std::string_view name, QCursor& out);

}  // namespace tessaro::shell
