#pragma once
// The program's help: a window showing the pages shipped with the program, a
// contents page and one rules page per game, found by the help context number
// of the game (game number + 3000). Escape and Ctrl+W close it.
#include <QString>
#include <QWidget>

class QKeyEvent;
class QTextBrowser;
class QUrl;

namespace tessaro::shell {

/// Help context numbers of the rules pages start here: game number + 3000.
inline constexpr int kRulesContextBase = 3000;

/// The HTML page of a help context; empty when there is none.
QString helpPage(int context);
/// The contents page, linking every rules page.
QString helpContentsPage();

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    /// Shows the page of a help context, or the contents when there is none.
    void showContext(int context);
    void showContents();
    /// The help context shown; 0 for the contents.
    int context() const { return context_; }
    QTextBrowser* browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static bool isCloseKey(const QKeyEvent& event);
    void follow(const QUrl& link);
    /// Shows and raises the window, taking input even while a dialog is open.
    void present();
    QTextBrowser* browser_;
    int context_ = 0;
};

}  // namespace tessaro::shell
