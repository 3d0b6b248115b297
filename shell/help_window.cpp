#include "shell/help_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include "shell/base_form.h"

namespace tessaro::shell {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Tessaro Help"));
    applyBaseFont(this, 9);
    resize(560, 520);
    auto* column = new QVBoxLayout(this);
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("btnContents"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtHelp"));
    browser_->setOpenLinks(false);
    column->addWidget(contents, 0, Qt::AlignLeft);
    column->addWidget(browser_, 1);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
}

bool HelpWindow::isCloseKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Escape && mods == Qt::NoModifier) ||
           (event.key() == Qt::Key_W && mods == Qt::ControlModifier);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // choice: the shortcuts match only while the application counts this
    // window as the active one; a window activated late (the main window
    // coming up behind a dialog) can take that place while the keys still
    // arrive here, so the keys that reach this window close it themselves.
    if (isCloseKey(*event)) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::present() {
    // Opened from a dialog (the Rules button of the game selection), the help
    // belongs to that dialog's window, so the dialog does not block it.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal && modal != this ? modal : (parentWidget() ? parentWidget()->window() : nullptr);
    winId();  // the window exists before it is shown, so it can be given its owner
    if (owner && windowHandle() && owner->windowHandle()) windowHandle()->setTransientParent(owner->windowHandle());
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContext(int context) {
    const QString page = helpPage(context);
    if (page.isEmpty()) {
        showContents();
        return;
    }
    context_ = context;
    browser_->setHtml(page);
    present();
}

void HelpWindow::showContents() {
    context_ = 0;
    browser_->setHtml(helpContentsPage());
    present();
}

void HelpWindow::follow(const QUrl& link) {
    // Links between pages name a context number: "topic:3201".
    if (link.scheme() == QLatin1String("topic")) showContext(link.path().toInt());
}

}  // namespace tessaro::shell
