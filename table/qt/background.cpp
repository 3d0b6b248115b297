#include "table/qt/background.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <cstdint>
#include <limits>

#include "engine/context.h"
#include "platform/qt/resources.h"
#include "table/qt/card_images.h"

namespace tessaro {

int mulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t p = std::int64_t(a) * b;
    const bool negative = (p < 0) != (c < 0);
    const std::uint64_t num = std::uint64_t(p < 0 ? -p : p);
    const std::uint64_t den = std::uint64_t(c < 0 ? -std::int64_t(c) : std::int64_t(c));
    const std::uint64_t q = (num + den / 2) / den;
    if (q > std::uint64_t(std::numeric_limits<int>::max())) return -1;
    return negative ? -int(q) : int(q);
}

QColor colourFromValue(long long value) {
    const std::uint32_t v = std::uint32_t(value);
    if (v & 0x80000000u) {
        // System colours by their Windows index; the table stands in with the
        // application palette.
        const QPalette pal = QGuiApplication::palette();
        switch (v & 0xFF) {
        case 5: return pal.color(QPalette::Base);           // window
        case 8: return pal.color(QPalette::Text);           // window text
        case 13: return pal.color(QPalette::Highlight);
        case 15: return pal.color(QPalette::Button);        // button face
        case 16: return pal.color(QPalette::Mid);           // button shadow
        case 20: return pal.color(QPalette::Light);         // button highlight
        case 24: return pal.color(QPalette::ToolTipBase);   // info
        default: return pal.color(QPalette::Window);
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

void tileImage(QImage& canvas, int width, int height, const QImage& picture) {
    if (picture.isNull() || canvas.isNull() || picture.width() <= 0 || picture.height() <= 0) return;
    QPainter p(&canvas);
    for (int y = 0; y < height; y += picture.height())
        for (int x = 0; x < width; x += picture.width()) p.drawImage(x, y, picture);
}

void tileImage(QImage& canvas, int width, int height, std::string_view name, bool fromLibrary) {
    QImage picture;
    if (fromLibrary)
        loadNamedImage(picture, name);
    else
        picture.load(QString::fromUtf8(name.data(), qsizetype(name.size())));
    tileImage(canvas, width, height, picture);
}

void fadeRect(QImage& canvas, int width, int height, QColor colour) {
    if (canvas.isNull() || width <= 0 || height <= 0) return;
    QPainter p(&canvas);
    const int bottom = height;
    for (int k = 0; k < 256; ++k) {
        const int top = bottom - mulDiv(k + 1, height, 256);
        const int low = bottom - mulDiv(k, height, 256);
        if (low <= top) continue;
        const QColor band(mulDiv(k, colour.red(), 256), mulDiv(k, colour.green(), 256), mulDiv(k, colour.blue(), 256));
        p.fillRect(QRect(0, top, width, low - top), band);
    }
}

namespace {

void fillBoth(const BackgroundTarget& t, QColor c) {
    for (QImage* img : {t.canvas, t.backgroundBuffer})
        if (img && !img->isNull()) img->fill(c);
}

void drawDefault(const BackgroundTarget& t) {
    fillBoth(t, t.manyColours ? QColor(0, 96, 0) : QColor(0, 128, 0));
}

long long colourField(const Register& reg, Field f) {
    const std::string text = reg.read(f);
    try {
        std::size_t used = 0;
        const long long v = std::stoll(text, &used);
        return used == text.size() ? v : 0;
    } catch (...) {
        return 0;
    }
}

}  // namespace

BackgroundKind drawBackground(Context& ctx, const BackgroundTarget& t) {
    if (!t.canvas) return BackgroundKind::Default;
    Register& reg = ctx.reg;

    if (reg.read(reg::BackgroundDefault) == "Y") {
        drawDefault(t);
        return BackgroundKind::Default;
    }

    if (reg.read(reg::CustomBackground) == "Y") {
        QString path = t.userPicture;
        if (path.isEmpty() && t.customizedBackground) path = t.customizedBackground();
        path = pictureFilePath(reg, path);
        QImage picture;
        // choice: a file that exists but is no readable picture is handled
        // like a missing one, so the table never stays undrawn.
        if (QFileInfo(path).isFile() && picture.load(path) && !picture.isNull()) {
            for (QImage* img : {t.canvas, t.backgroundBuffer})
                if (img) tileImage(*img, img->width(), img->height(), picture);
            return BackgroundKind::UserPicture;
        }
        ctx.dialogs->info((QStringLiteral("Customized background image not found: ") + path).toStdString());
        reg.write(reg::CustomBackground, "N");
        reg.write(reg::BackgroundDefault, "Y");
        if (t.writePreference) {
            t.writePreference("Customized_Background", "");
            t.writePreference("Background_Def", "Y");
        }
        drawDefault(t);
        return BackgroundKind::Default;
    }

    const int number = reg.readInt(reg::BackgroundPicture, 0);
    if (number != 0) {
        QImage picture;
        loadNamedImage(picture, "B" + Register::zeroPadded(number, 3));
        for (QImage* img : {t.canvas, t.backgroundBuffer}) {
            if (!img || picture.isNull()) continue;
            if (number > 499) {
                QPainter p(img);
                p.drawImage(0, 0, picture);
            } else {
                tileImage(*img, t.backBufferWidth + 1, t.screenHeight + 1, picture);
            }
        }
        return BackgroundKind::LibraryPicture;
    }

    const long long fixed = colourField(reg, reg::BackgroundFixedColour);
    const QColor colour = colourFromValue(fixed > 0 ? fixed : colourField(reg, reg::BackgroundColour));
    fillBoth(t, colour);
    if (reg.read(reg::FadeBackground) == "Y" && t.manyColours) {
        const int height = t.scrollBarVisible ? t.screenHeight + 80 : t.screenHeight + 1;
        for (QImage* img : {t.canvas, t.backgroundBuffer})
            if (img) fadeRect(*img, t.backBufferWidth + 1, height, colour);
    }
    return BackgroundKind::Colour;
}

}  // namespace tessaro
