#pragma once
// The pictures the table is drawn with, taken by name from the resource
// library: the 53 card faces (cut from the four suit sheets and the joker),
// the back, the empty-pile marks, the shadow strips and the border pictures.
#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tessaro {

struct Context;
class Register;

/// Card width and height of a card size letter ("B" 71 x 96, "M" 59 x 80,
/// "L" 25 x 32); an invalid size for any other letter.
QSize cardPixelSize(char letter);

struct CardImages {
    /// Image i holds suit i div 13 (0 hearts, 1 diamonds, 2 clubs, 3 spades)
    /// and rank (i mod 13) + 1; image 52 is the joker.
    std::array<QImage, 53> faces;
    QImage back;
    /// Empty-pile marks by their code: "_WASTE", "004", "022", "005", "008",
    /// the rank symbols "010" (ace) ... "011" (king), "_TABLEAU", "001", "009".
    std::map<std::string, QImage, std::less<>> marks;
    QImage shadowRight, shadowBottom;   // "SHADOW_" + size + "1" / "2"
    QImage border1, border2;            // "3D_BORDER_" + size + "1" / "2"

    /// For pictures drawn at a size of their own (see drawCardImages): that
    /// size, the device pixel ratio and the card set they were drawn for;
    /// an empty size for pictures taken from the library.
    QSize drawnSize;
    qreal drawnDpr = 1;
    std::string drawnSet, drawnBack;

    /// Face i, drawn at the drawn size the first time it is asked for, so
    /// only the cards that show are ever made.
    const QImage& face(int i);
    /// The empty-pile mark of `code`; drawn pictures are made the first time
    /// they are asked for, like the faces. An empty picture for a code
    /// without a mark.
    const QImage& mark(std::string_view code);
};

/// The mark codes loaded with the card images, in loading order.
const std::array<const char*, 21>& markCodes();

/// Loads a picture of the resource library by name; a name the library does
/// not hold leaves an empty picture.
void loadNamedImage(QImage& image, std::string_view name);

/// Loads the card images for the card size (register 128), the card set (24)
/// and the back (21). With `facesOnly` just the suit sheets and the joker. A
/// card size letter other than B, M and L loads nothing.
void loadCardImages(const Register& reg, CardImages& images, bool facesOnly);

/// Draws the pictures of the fitted card size for cards of `size` logical
/// pixels at the device pixel ratio: the back, the shadow strips and the
/// borders now, the faces and the empty-pile marks when first asked for. Keeps
/// what it has when size, ratio, card set and back are unchanged.
void drawCardImages(const Register& reg, CardImages& images, QSize size, qreal dpr);

/// Loads the back: "D" + size + back number; for size "M" with a back other
/// than "011", the big back "DB" + number scaled to 59 x 80.
void loadBack(const Register& reg, CardImages& images);

/// What a picture loader does when a picture file it must have is missing:
/// show an error box (title, text) and end the program.
struct FatalPictureError {
    std::function<void(const QString& title, const QString& text)> errorBox;
    std::function<void()> endProgram;
};

/// The text of the error box for a missing picture file.
QString imagesFileErrorText(const QString& path);

/// The path a picture file name stands for: a name without a folder is taken
/// from the data folder (register 501) with ".bmp" appended.
QString pictureFilePath(const Register& reg, const QString& name);

/// Loads a picture file. When it is missing (or unreadable) shows the error
/// box titled "Error", asks to end the program and answers false.
bool loadImageFile(const Register& reg, QImage& image, const QString& name, const FatalPictureError& onError);

}  // namespace tessaro
