#pragma once
// The table background: the default green, the user's own picture, a picture
// of the resource library (tiled below 500, whole from 500 up) or a colour,
// optionally shaded from black at the bottom to the colour at the top.
#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

namespace tessaro {

struct Context;

/// Windows' MulDiv: a x b / c rounded half away from zero; -1 when c is 0 or
/// the result does not fit.
int mulDiv(int a, int b, int c);

/// A colour value of the register: 0x00BBGGRR, or a system colour (top bit
/// set, low byte the system colour index) taken from the application palette.
QColor colourFromValue(long long value);

/// Covers (0, 0, width, height) of the canvas with copies of the picture, left
/// to right and top to bottom. An empty picture draws nothing.
void tileImage(QImage& canvas, int width, int height, const QImage& picture);
/// The same with a picture of the library (fromLibrary) or a picture file.
void tileImage(QImage& canvas, int width, int height, std::string_view name, bool fromLibrary);

/// Shades (0, 0, width, height) in 256 horizontal bands from black at the
/// bottom to `colour` at the top.
void fadeRect(QImage& canvas, int width, int height, QColor colour);

/// Where and how the background is drawn, and how the user's picture setting
/// is read and given up.
struct BackgroundTarget {
    QImage* canvas = nullptr;            ///< the table picture (back buffer)
    QImage* backgroundBuffer = nullptr;  ///< nullptr: draw on the canvas only
    int backBufferWidth = 0;
    int screenHeight = 0;
    bool scrollBarVisible = false;
    bool manyColours = true;             ///< the display shows more than 256 colours
    QString userPicture;                 ///< a path given by the caller; empty: the setting
    /// Reads `Customized_Background` (section Preference).
    std::function<QString()> customizedBackground;
    /// Writes a key of section Preference of the settings file.
    std::function<void(std::string_view key, std::string_view value)> writePreference;
};

/// The background number kinds DrawBackground chose, for callers that care.
enum class BackgroundKind { Default, UserPicture, LibraryPicture, Colour };

/// Draws the chosen background (register 27, 246, 43, 47/28 with 135) on the
/// canvas and the background buffer. A missing user picture shows "Customized
/// background image not found: " + path through ctx.dialogs, switches the
/// setting back to the default background for good and draws that.
BackgroundKind drawBackground(Context& ctx, const BackgroundTarget& target);

}  // namespace tessaro
