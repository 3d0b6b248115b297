#pragma once
// The splash window shown while the program starts: borderless, on top,
// centred, 393 x 309 pixels, with the picture band across the top, the splash
// and edition pictures on white and two lines of legal text on a black band.
#include <QWidget>

class QLabel;

namespace tessaro::shell {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    static constexpr int kWidth = 393;
    static constexpr int kHeight = 309;
    static constexpr int kBandHeight = 48;

    /// The two lines of legal text at the bottom.
    static QString legalText();
    /// Centres the window on the given screen rectangle.
    void centreOn(const QRect& screen);
};

}  // namespace tessaro::shell
