#include "shell/table_area.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "engine/context.h"
#include "stores/settings.h"
#include "table/qt/background.h"

namespace tessaro::shell {

namespace {
constexpr int kBufferMargin = 30;
}

TableArea::TableArea(Context& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("imgSfondo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TableArea::setDisplay(QSize screen, bool manyColours) {
    screen_ = screen;
    manyColours_ = manyColours;
    table_ = QImage();
    background_ = QImage();
}

void TableArea::drawTable(bool background) {
    if (background || table_.isNull()) drawBackgroundPictures();
    update();
}

void TableArea::drawBackgroundPictures() {
    const QSize size(screen_.width() + kBufferMargin, screen_.height() + kBufferMargin);
    // The same choices at the same size make the same picture: the one drawn
    // last is shown again (a new deal redraws the table's background). A
    // player's own picture file is read anew every time.
    const Register& choice = ctx_.reg;
    std::string key;
    if (choice.read(reg::CustomBackground) != "Y") {
        key = std::to_string(size.width()) + "x" + std::to_string(size.height()) + (manyColours_ ? "+" : "-");
        for (const Field f : {reg::BackgroundDefault, reg::BackgroundColour, reg::BackgroundPicture,
                              reg::BackgroundFixedColour, reg::FadeBackground})
            key += "|" + choice.read(f);
    }
    if (!key.empty() && key == backgroundKey_ && !background_.isNull()) {
        table_ = background_;
        return;
    }
    backgroundKey_ = key;
    // The background picture is the table picture as drawn here: one image,
    // shared until a drawing on the table changes it.
    background_ = QImage();
    // A picture the card table still shows is left to it; the new one is drawn
    // into fresh memory rather than into a copy of the old.
    if (table_.size() != size || !table_.isDetached()) table_ = QImage(size, QImage::Format_RGB32);
    table_.fill(defaultGreen());
    BackgroundTarget target;
    target.canvas = &table_;
    target.backgroundBuffer = nullptr;
    target.backBufferWidth = size.width();
    target.screenHeight = screen_.height();
    target.manyColours = manyColours_;
    const Register& reg = ctx_.reg;
    target.customizedBackground = [&reg] {
        return QString::fromStdString(
            settingsFile(reg).readString(section::Preference, "Customized_Background", ""));
    };
    target.writePreference = [&reg](std::string_view key, std::string_view value) {
        settingsFile(reg).writeString(section::Preference, key, value);
    };
    drawBackground(ctx_, target);
    background_ = table_;
}

void TableArea::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (table_.isNull()) {
        p.fillRect(event->rect(), defaultGreen());
        return;
    }
    p.drawImage(event->rect().topLeft(), table_, event->rect());
    // A window larger than the screen shows green beyond the picture.
    const QRegion beyond = QRegion(event->rect()).subtracted(QRegion(QRect(QPoint(0, 0), table_.size())));
    for (const QRect& r : beyond) p.fillRect(r, defaultGreen());
}

}  // namespace tessaro::shell
