// rgf-generator: draws every picture, cursor and sound of the resource
// library VRA.RGF and writes them into a folder with a resource collection
// file (vra.qrc) for rcc. With --contact-sheet it also lays every picture out
// on one sheet with its name, for reviewing the art at a glance.
//
// Resource paths inside the library (see platform/qt/resources.h):
//   :/vra/bitmap/NAME   pictures (PNG)
//   :/vra/cursor/NAME   cursors (PNG with alpha; hot spot in the text keys
//                        "HotX" and "HotY")
//   :/vra/wave/NAME     sounds (RIFF WAVE, 16-bit PCM)
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <map>

#include "library.h"

namespace rgf {

namespace {

const char* folderOf(Kind k) {
    switch (k) {
    case Kind::Bitmap: return "bitmap";
    case Kind::Cursor: return "cursor";
    case Kind::Wave: return "wave";
    }
    return "bitmap";
}

bool writeLibrary(const Library& lib, const QString& outDir) {
    QDir dir(outDir);
    for (const char* sub : {"bitmap", "cursor", "wave"})
        if (!dir.mkpath(QString::fromLatin1(sub))) return false;
    std::map<QString, QStringList> byFolder;
    for (const Item& it : lib.items()) {
        const QString folder = QString::fromLatin1(folderOf(it.kind));
        const QString file = folder + '/' + it.name + (it.kind == Kind::Wave ? ".wav" : ".png");
        if (it.kind == Kind::Wave) {
            QFile f(dir.filePath(file));
            if (!f.open(QIODevice::WriteOnly) || f.write(it.data) != it.data.size()) return false;
        } else {
            QImage img = it.image;
            if (it.kind == Kind::Cursor) {
                img.setText(QStringLiteral("HotX"), QString::number(it.hotSpot.x()));
                img.setText(QStringLiteral("HotY"), QString::number(it.hotSpot.y()));
            }
            if (!img.save(dir.filePath(file), "PNG")) return false;
        }
        byFolder[folder].append(QStringLiteral("    <file alias=\"%1\">%2</file>").arg(it.name, file));
    }
    QFile qrc(dir.filePath(QStringLiteral("vra.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n";
    for (const auto& [folder, lines] : byFolder) {
        out << "  <qresource prefix=\"/vra/" << folder << "\">\n";
        for (const QString& l : lines) out << l << "\n";
        out << "  </qresource>\n";
    }
    out << "</RCC>\n";
    return true;
}

// A picture of a sound for the contact sheet: its wave form.
QImage waveThumb(const QByteArray& wav) {
    QImage img(220, 44, QImage::Format_RGB32);
    img.fill(QColor(24, 28, 36));
    if (wav.size() <= 44) return img;
    const auto* s = reinterpret_cast<const qint16*>(wav.constData() + 44);
    const int n = int((wav.size() - 44) / 2);
    QPainter p(&img);
    p.setPen(QColor(120, 220, 160));
    for (int x = 0; x < img.width(); ++x) {
        const int a = int(qint64(n) * x / img.width()), b = int(qint64(n) * (x + 1) / img.width());
        int lo = 0, hi = 0;
        for (int i = a; i < b; ++i) {
            lo = std::min<int>(lo, s[i]);
            hi = std::max<int>(hi, s[i]);
        }
        p.drawLine(x, 22 - hi * 21 / 32768, x, 22 - lo * 21 / 32768);
    }
    return img;
}

bool writeContactSheet(const Library& lib, const QString& file) {
    const int width = 1900, gap = 10, label = 14;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setPixelSize(15);
    heading.setBold(true);

    struct Cell {
        QImage img;
        QString text;
        QString group;
    };
    std::vector<Cell> cells;
    for (const Item& it : lib.items()) {
        if (it.kind == Kind::Wave) {
            const double secs = (it.data.size() - 44) / 2.0 / 22050.0;
            cells.push_back({waveThumb(it.data), QStringLiteral("%1 (%2 s)").arg(it.name).arg(secs, 0, 'f', 2), it.group});
        } else {
            cells.push_back({it.image, it.name, it.group});
        }
    }
    // First pass computes the height, the second draws.
    QImage sheet;
    for (int pass = 0; pass < 2; ++pass) {
        QPainter p;
        if (pass == 1) {
            p.begin(&sheet);
            p.setFont(font);
        }
        int x = gap, y = gap, rowH = 0;
        QString group;
        for (const Cell& c : cells) {
            if (c.group != group) {
                group = c.group;
                y += rowH + (x > gap ? gap : 0);
                x = gap;
                rowH = 0;
                if (pass == 1) {
                    p.setFont(heading);
                    p.setPen(QColor(250, 230, 160));
                    p.drawText(QPointF(gap, y + 16), group);
                    p.setFont(font);
                }
                y += 24;
            }
            const int tw = QFontMetrics(font).horizontalAdvance(c.text) + 4;
            const int cw = std::max(c.img.width(), tw), ch = c.img.height() + label;
            if (x + cw > width - gap && x > gap) {
                x = gap;
                y += rowH + gap;
                rowH = 0;
            }
            if (pass == 1) {
                // a checker behind transparent pictures
                for (int yy = 0; yy < c.img.height(); yy += 4)
                    for (int xx = 0; xx < c.img.width(); xx += 4)
                        p.fillRect(x + xx, y + yy, 4, 4, ((xx + yy) / 4) % 2 ? QColor(90, 90, 90) : QColor(70, 70, 70));
                p.drawImage(x, y, c.img);
                p.setPen(QColor(230, 230, 230));
                p.drawText(QRect(x, y + c.img.height(), cw, label), Qt::AlignLeft | Qt::AlignVCenter, c.text);
            }
            x += cw + gap;
            rowH = std::max(rowH, ch);
        }
        if (pass == 0) {
            sheet = QImage(width, y + rowH + gap, QImage::Format_RGB32);
            sheet.fill(QColor(48, 52, 60));
        }
    }
    return sheet.save(file, "PNG");
}

}  // namespace
}  // namespace rgf

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString outDir, sheet;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--app-icons") && i + 2 < argc) {
            // The desktop icons are files of their own, not part of the library.
            const QString dir = QString::fromLocal8Bit(argv[i + 1]);
            if (rgf::writeAppIcons(dir, QString::fromLocal8Bit(argv[i + 2]))) return 0;
            std::fprintf(stderr, "rgf-generator: cannot write the icons into %s\n", qPrintable(dir));
            return 1;
        }
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            outDir = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--contact-sheet") && i + 1 < argc)
            sheet = QString::fromLocal8Bit(argv[++i]);
        else {
            std::fprintf(stderr, "usage: rgf-generator [--out DIR] [--contact-sheet FILE.png] | --app-icons DIR NAME\n");
            return 2;
        }
    }
    if (outDir.isEmpty() && sheet.isEmpty()) {
        std::fprintf(stderr, "usage: rgf-generator [--out DIR] [--contact-sheet FILE.png] | --app-icons DIR NAME\n");
        return 2;
    }
    rgf::Library lib;
    rgf::drawCardFaces(lib);
    rgf::drawCardBacks(lib);
    rgf::drawMarks(lib);
    rgf::drawBackgrounds(lib);
    rgf::drawIcons(lib);
    rgf::drawCursors(lib);
    rgf::makeSounds(lib);
    if (!outDir.isEmpty() && !rgf::writeLibrary(lib, outDir)) {
        std::fprintf(stderr, "rgf-generator: cannot write the library into %s\n", qPrintable(outDir));
        return 1;
    }
    if (!sheet.isEmpty() && !rgf::writeContactSheet(lib, sheet)) {
        std::fprintf(stderr, "rgf-generator: cannot write %s\n", qPrintable(sheet));
        return 1;
    }
    return 0;
}
