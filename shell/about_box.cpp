#include "shell/about_box.h"

#include <QMessageBox>

#include "shell/resource_lookup.h"
#include "shell/version.h"

namespace tessaro::shell {

QString aboutText() {
    return QStringLiteral(
               "<h3>Tessaro %1</h3>"
               "<p>A Memory card game for the Linux desktop: Memory-Up on three grids, Ace-To-King, "
               "Forget me not and Concentration, played on a general, data-driven patience engine.</p>"
               "<p>Copyright \u00a9 2026 the Tessaro developers.<br>"
               "Tessaro is free software under the GNU General Public License, version 3 or later. "
               "It comes with no warranty.</p>"
               "<p>Credits: game engine, table and windows by the Tessaro developers; built with Qt and "
               "SDL2. Card faces, backs, pictures and sounds are drawn and synthesised by the program's "
               "own resource generator.</p>")
        .arg(QString::fromLatin1(kVersion));
}

void showAboutBox(QWidget* parent) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("frmAbout"));
    box.setWindowTitle(QStringLiteral("About Tessaro"));
    box.setTextFormat(Qt::RichText);
    box.setText(aboutText());
    const QPixmap logo = picture("SPLASH_EDITION");
    if (!logo.isNull()) box.setIconPixmap(logo);
    box.exec();
}

}  // namespace tessaro::shell
