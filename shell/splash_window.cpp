#include "shell/splash_window.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/base_form.h"
#include "shell/resource_lookup.h"
#include "shell/version.h"

namespace tessaro::shell {

namespace {
constexpr int kLegalHeight = 34;
constexpr int kFrame = 2;  // the raised panel's edge
}  // namespace

QString SplashWindow::legalText() {
    return QStringLiteral("Tessaro %1 \u00a9 2026 the Tessaro developers.\n"
                          "Free software under the GNU GPL, version 3 or later; it comes with no warranty.")
        .arg(QString::fromLatin1(kVersion));
}

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TfrmSplashForm"));
    setFixedSize(kWidth, kHeight);
    applyBaseFont(this);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlSplash"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(kFrame);
    panel->setGeometry(0, 0, kWidth, kHeight);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);

    const int inner = kWidth - 2 * kFrame;
    auto* band = new QLabel(panel);
    band->setObjectName(QStringLiteral("imgBand"));
    band->setGeometry(kFrame, kFrame, inner, kBandHeight);
    band->setPixmap(picture("SPLASH_BAND"));
    band->setScaledContents(true);

    auto* splash = new QLabel(panel);
    splash->setObjectName(QStringLiteral("imgSplash"));
    const int whiteTop = kFrame + kBandHeight;
    const int whiteHeight = kHeight - kFrame - kLegalHeight - whiteTop;
    splash->setGeometry(kFrame + 8, whiteTop + (whiteHeight - 200) / 2, 250, 200);
    splash->setPixmap(picture("SPLASH"));

    auto* edition = new QLabel(panel);
    edition->setObjectName(QStringLiteral("imgEdition"));
    edition->setGeometry(kFrame + 8 + 250 + 6, whiteTop + 8, inner - 8 - 250 - 6 - 8, whiteHeight - 16);
    edition->setAlignment(Qt::AlignCenter);
    edition->setPixmap(picture("SPLASH_EDITION"));

    auto* legal = new QLabel(panel);
    legal->setObjectName(QStringLiteral("lblLegal"));
    legal->setGeometry(kFrame, kHeight - kFrame - kLegalHeight, inner, kLegalHeight);
    legal->setAutoFillBackground(true);
    QPalette black = legal->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    legal->setPalette(black);
    QFont small = baseFont(7);
    legal->setFont(small);
    legal->setAlignment(Qt::AlignCenter);
    legal->setText(legalText());
}

void SplashWindow::centreOn(const QRect& screen) {
    move(screen.x() + (screen.width() - kWidth) / 2, screen.y() + (screen.height() - kHeight) / 2);
}

}  // namespace tessaro::shell
