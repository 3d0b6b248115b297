#pragma once
// Pictures and cursors of the resource library VRA.RGF, found by the names the
// program uses ("TB_UNDO", "CUR_ARROW1A", "SPLASH"). The library is a Qt
// binary resource file; once registered its entries live under
// ":/vra/bitmap/NAME" and ":/vra/cursor/NAME".
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
