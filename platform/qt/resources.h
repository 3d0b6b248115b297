#pragma once
// The resource library VRA.RGF: a Qt binary resource file (rcc) beside the
// executable, registered once at start-up. Everything in it is found by the
// resource name the program uses ("CB001H", "TB_UNDO", "Face_up"):
//
//   :/vra/bitmap/NAME   pictures, PNG. Card sheets "C" + size + set + suit,
//                       "JOKER_" + size, backs "D" + size + back number (the
//                       big back "DB" + number is what the middle size
//                       scales), marks "W" + size + code, "SHADOW_", "3D_BORDER_",
//                       "SUIT_", backgrounds "B" + number, toolbar glyphs
//                       "TB_" + command (16 x 16; the small and compact bars)
//                       and "TBL_" + command (24 x 24; the large bar) for NEW,
//                       OPEN, UNDO, REDO, AUTOPLAY, RULES, EXIT, with "_DIS"
//                       forms of UNDO, REDO and AUTOPLAY; the tree pictures
//                       ("TREE1", "TREE5_…_TYPE", "_WIN", "_NOWIN"), the
//                       description pictures "PROG_…", the splash pictures
//                       "SPLASH" (250 x 200), "SPLASH_EDITION", "SPLASH_BAND"
//                       (393 x 48), "ADVICE_COLOR" of the colour advice and
//                       the game previews "GAME" + four-digit game number
//                       (at most 224 x 160, drawn from the dealt table).
//                       Toolbar and tree pictures have alpha; under it their
//                       transparent pixels carry the key colour (toolbar
//                       192, 192, 192; tree 128, 0, 0).
//   :/vra/cursor/NAME   the twelve table cursors "CUR_…", PNG with alpha; the
//                       hot spot is in the PNG text keys "HotX" and "HotY".
//   :/vra/wave/NAME     the sounds, RIFF WAVE 16-bit PCM.
#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaro::resources {

inline constexpr const char* kBitmapPrefix = ":/vra/bitmap/";
inline constexpr const char* kCursorPrefix = ":/vra/cursor/";
inline constexpr const char* kWavePrefix = ":/vra/wave/";

/// Checks and registers the library file. False (and nothing registered) when
/// the file is missing, empty, not a resource file, damaged (any entry
/// reaching past its end) or does not hold the library's folders.
bool loadResourceLibrary(const QString& path);
/// Unregisters a library registered by loadResourceLibrary.
void unloadResourceLibrary(const QString& path);
/// The structural check of loadResourceLibrary on bytes.
bool isValidResourceImage(const QByteArray& bytes);

/// The resource path of a picture, cursor or sound.
QString bitmapPath(std::string_view name);
QString cursorPath(std::string_view name);
QString wavePath(std::string_view name);

/// A picture by name; a null image when the library does not hold it.
QImage bitmap(std::string_view name);
/// True when the library holds a picture of that name.
bool hasBitmap(std::string_view name);
/// A cursor by name with its hot spot; false when the library does not hold it.
bool cursor(std::string_view name, QCursor& out);
/// The bytes of a sound; empty when the library does not hold it.
QByteArray wave(std::string_view name);
/// The same as a byte vector, the form the sound device reads.
std::vector<std::uint8_t> waveBytes(std::string_view name);

}  // namespace tessaro::resources
