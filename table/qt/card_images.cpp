#include "table/qt/card_images.h"

#include <QFileInfo>
#include <algorithm>

#include "platform/qt/resources.h"
#include "rgf/card_art.h"
#include "stores/register.h"

namespace tessaro {

QSize cardPixelSize(char letter) {
    switch (letter) {
    case 'B': return {71, 96};
    case 'M': return {59, 80};
    case 'L': return {25, 32};
    default: return {};
    }
}

const std::array<const char*, 21>& markCodes() {
    static const std::array<const char*, 21> codes{"_WASTE", "004", "022", "005", "008", "010", "012",
                                                   "013",    "014", "015", "016", "017", "018", "019",
                                                   "020",    "006", "003", "011", "_TABLEAU", "001", "009"};
    return codes;
}

void loadNamedImage(QImage& image, std::string_view name) { image = resources::bitmap(name); }

namespace {
std::string sizeLetter(const Register& reg) { return reg.read(reg::CardSize); }
}  // namespace

void loadBack(const Register& reg, CardImages& images) {
    const std::string s = sizeLetter(reg);
    const std::string number = reg.read(reg::CardBack);
    if (s == "M" && number != "011") {
        QImage big;
        loadNamedImage(big, "DB" + number);
        images.back = big.isNull() ? QImage() : big.scaled(59, 80, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return;
    }
    loadNamedImage(images.back, "D" + s + number);
}

void loadCardImages(const Register& reg, CardImages& images, bool facesOnly) {
    const std::string s = sizeLetter(reg);
    const QSize size = s.size() == 1 ? cardPixelSize(s[0]) : QSize();
    if (!size.isValid()) return;
    images.drawnSize = QSize();
    const std::string set = reg.read(reg::CardFaceSet);
    const char suitLetters[4] = {'H', 'D', 'C', 'S'};
    for (int suit = 0; suit < 4; ++suit) {
        QImage sheet;
        loadNamedImage(sheet, "C" + s + set + suitLetters[suit]);
        for (int r = 0; r < 13; ++r) {
            QImage& face = images.faces[std::size_t(suit * 13 + r)];
            if (sheet.isNull()) {
                face = QImage();
                continue;
            }
            // Three rows of five, five and three cards, ace first.
            face = sheet.copy((r % 5) * size.width(), (r / 5) * size.height(), size.width(), size.height());
        }
    }
    loadNamedImage(images.faces[52], "JOKER_" + s);
    if (facesOnly) return;

    loadBack(reg, images);
    images.marks.clear();
    for (const char* code : markCodes()) loadNamedImage(images.marks[code], "W" + s + code);
    loadNamedImage(images.shadowRight, "SHADOW_" + s + "1");
    loadNamedImage(images.shadowBottom, "SHADOW_" + s + "2");
    loadNamedImage(images.border1, "3D_BORDER_" + s + "1");
    loadNamedImage(images.border2, "3D_BORDER_" + s + "2");
}

const QImage& CardImages::face(int i) {
    static const QImage kNone;
    if (i < 0 || i > 52) return kNone;
    QImage& f = faces[static_cast<std::size_t>(i)];
    if (f.isNull() && drawnSize.isValid()) {
        const int w = drawnSize.width(), h = drawnSize.height();
        f = i == 52 ? rgf::jokerFace(w, h, drawnDpr) : rgf::cardFace(w, h, i / 13, i % 13 + 1, drawnSet == "003", drawnDpr);
    }
    return f;
}

const QImage& CardImages::mark(std::string_view code) {
    static const QImage kNone;
    if (const auto it = marks.find(code); it != marks.end()) return it->second;
    if (!drawnSize.isValid()) return kNone;
    const auto& codes = markCodes();
    if (code != "021" && std::find(codes.begin(), codes.end(), code) == codes.end()) return kNone;
    const QString name = QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
    return marks.emplace(std::string(code), rgf::pileMark(drawnSize.width(), drawnSize.height(), name, drawnDpr))
        .first->second;
}

void drawCardImages(const Register& reg, CardImages& images, QSize size, qreal dpr) {
    const std::string set = reg.read(reg::CardFaceSet);
    const std::string backNumber = reg.read(reg::CardBack);
    if (!size.isValid()) return;
    if (images.drawnSize == size && images.drawnDpr == dpr && images.drawnSet == set && images.drawnBack == backNumber)
        return;
    images.drawnSize = size;
    images.drawnDpr = dpr;
    images.drawnSet = set;
    images.drawnBack = backNumber;
    const int w = size.width(), h = size.height();
    for (QImage& f : images.faces) f = QImage();
    images.back = rgf::cardBack(w, h, QString::fromStdString(backNumber), dpr);
    images.marks.clear();
    // The strips keep the library's depth of 7 pixels along the card.
    images.shadowRight = rgf::cardShadowStrip(7, h, true);
    images.shadowBottom = rgf::cardShadowStrip(w - 8, 7, false);
    images.border1 = rgf::cardBorder(w, h, true);
    images.border2 = rgf::cardBorder(w, h, false);
}

QString imagesFileErrorText(const QString& path) {
    return QStringLiteral("Cannot find images file:\n") + path +
           QStringLiteral("\nSome program components cannot be shown correctly.\n"
                          "Copy the file into the directory that above is specified\n"
                          "or reinstall the program.");
}

QString pictureFilePath(const Register& reg, const QString& name) {
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) return name;
    return QString::fromStdString(reg.read(reg::ProgramFolder)) + name + QStringLiteral(".bmp");
}

bool loadImageFile(const Register& reg, QImage& image, const QString& name, const FatalPictureError& onError) {
    const QString path = pictureFilePath(reg, name);
    // choice: a file that exists but cannot be read as a picture is treated
    // like a missing one rather than drawn as an empty picture.
    if (QFileInfo(path).isFile() && image.load(path)) return true;
    image = QImage();
    if (onError.errorBox) onError.errorBox(QStringLiteral("Error"), imagesFileErrorText(path));
    if (onError.endProgram) onError.endProgram();
    return false;
}

}  // namespace tessaro
