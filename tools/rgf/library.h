#pragma once
// The generated resource library while it is being built: every picture,
// cursor and sound under its resource name, in the order they were made.
#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

namespace rgf {

enum class Kind { Bitmap, Cursor, Wave };

struct Item {
    Kind kind;
    QString name;
    QImage image;      // Bitmap and Cursor
    QByteArray data;   // Wave
    QPoint hotSpot;    // Cursor
    QString group;     // heading on the contact sheet
};

class Library {
public:
    void bitmap(const QString& group, const QString& name, const QImage& image) {
        items_.push_back({Kind::Bitmap, name, image, {}, {}, group});
    }
    void cursor(const QString& name, const QImage& image, QPoint hot) {
        items_.push_back({Kind::Cursor, name, image, {}, hot, QStringLiteral("Cursors")});
    }
    void wave(const QString& name, const QByteArray& data) {
        items_.push_back({Kind::Wave, name, {}, data, {}, QStringLiteral("Sounds")});
    }
    /// A second name for an existing bitmap (the same picture under both).
    void alias(const QString& group, const QString& name, const QString& of);

    const std::vector<Item>& items() const { return items_; }
    const Item* find(const QString& name) const;

private:
    std::vector<Item> items_;
};

// The drawing parts of the generator, one per family of pictures.
void drawCardFaces(Library& lib);
void drawCardBacks(Library& lib);
void drawMarks(Library& lib);
void drawBackgrounds(Library& lib);
void drawIcons(Library& lib);
void drawCursors(Library& lib);
void makeSounds(Library& lib);

/// The program's icon at size x size pixels, on a transparent ground.
QImage appIcon(int size);
/// Writes the icon in the sizes desktops ask for as
/// outDir/hicolor/NxN/apps/name.png.
bool writeAppIcons(const QString& outDir, const QString& name);

}  // namespace rgf
