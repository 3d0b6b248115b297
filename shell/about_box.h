#pragma once
// The about box: the program's name, version, licence and credits.
#include <QString>

class QWidget;

namespace tessaro::shell {

/// The text the about box shows.
QString aboutText();
/// Shows the about box over the parent.
void showAboutBox(QWidget* parent);

}  // namespace tessaro::shell
