#pragma once
// Message boxes of the program: the engine's information and confirmation
// boxes plus the error boxes and the colour advice of start-up. The Qt version
// shows real message boxes; tests record what would have been shown.
#include <QString>
#include <string_view>

#include "engine/ports.h"

class QDialog;
class QWidget;

namespace tessaro::shell {

class ShellDialogs : public Dialogs {
public:
    /// Error box with the error icon and an OK button.
    virtual void error(const QString& title, const QString& text) = 0;
    /// The advice window: text with an OK button and a "&Don't show this
    /// message box again" check box; true when the box was ticked.
    virtual bool advice(const QString& text) = 0;
    /// Shows a modal window of the program (the end-of-game score sheet) and
    /// returns once it has closed. Tests look at the window instead.
    virtual void runModal(QDialog& dialog);
};

/// Message boxes on the screen, titled with the program's name.
class QtDialogs : public ShellDialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void info(std::string_view text) override;
    bool confirm(std::string_view text) override;
    void error(const QString& title, const QString& text) override;
    bool advice(const QString& text) override;

private:
    QWidget* parent_;
};

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace tessaro::shell
