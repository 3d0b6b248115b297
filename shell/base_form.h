#pragma once
// The look every window of the program shares: the 8-point "Tahoma" font when
// it is installed, else "MS Sans Serif". Neither is usually installed here, so
// the font system falls back to its sans font, but the name asked for follows
// the same check.
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace tessaro::shell {

/// True when name is among the families, compared without regard to case.
bool fontInstalled(const QStringList& families, const QString& name);
/// "Tahoma" when installed, else "MS Sans Serif"; checked once per run.
QString baseFontName();
/// The window font: the base font name at the given point size.
QFont baseFont(int pointSize = 8);
/// Gives a window and every child the base font.
void applyBaseFont(QWidget* window, int pointSize = 8);

}  // namespace tessaro::shell
