#include "shell/base_form.h"

#include <QFontDatabase>
#include <QWidget>

namespace tessaro::shell {

bool fontInstalled(const QStringList& families, const QString& name) {
    for (const QString& f : families)
        if (f.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString baseFontName() {
    static const QString name = fontInstalled(QFontDatabase::families(), QStringLiteral("Tahoma"))
                                    ? QStringLiteral("Tahoma")
                                    : QStringLiteral("MS Sans Serif");
    return name;
}

QFont baseFont(int pointSize) {
    QFont f(baseFontName(), pointSize);
    // The named font is rarely installed: fall back to the system's sans.
    f.setStyleHint(QFont::SansSerif);
    return f;
}

void applyBaseFont(QWidget* window, int pointSize) { window->setFont(baseFont(pointSize)); }

}  // namespace tessaro::shell
