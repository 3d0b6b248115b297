#pragma once
// TfrmMemoryEnd: the score sheet shown when a Memory game ends. A notebook
// with one page per Memory variant; the page of the game that ended explains
// its final score (matches and misses times their points, the start of -52,
// the total and the score to win) beside a green mark for a won game or a red
// one for a lost game. The values come from the engine's MemoryScoreSheet:
// the window only shows them.
#include <QDialog>
#include <QString>
#include <functional>

#include "engine/score_sheet.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace tessaro::dialogs {

/// The round mark beside the rule box: a green disc with a tick for a won
/// game, a red disc with a cross for a lost one, nothing until it is set.
class ResultMark : public QWidget {
    Q_OBJECT
public:
    enum class Mark { None, Won, Lost };
    explicit ResultMark(QWidget* parent = nullptr);
    void setMark(Mark mark);
    Mark mark() const { return mark_; }
    /// The disc colours, for the pixel checks of tests.
    static QColor wonColour();
    static QColor lostColour();
    QSize sizeHint() const override { return {56, 56}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Mark mark_ = Mark::None;
};

/// The widgets of one page of the notebook, named as in the window
/// (objectName carries the page number as a suffix: "lblMatches0").
struct ScorePage {
    QWidget* page = nullptr;
    QGroupBox* grpRule = nullptr;      ///< the rule box: "Grid: 4 x 3", "Sequence ", ...
    QLabel* lblMatchPoints = nullptr;  ///< points per match in the rule box
    QLabel* lblMissPoints = nullptr;   ///< points per miss in the rule box
    ResultMark* imgResult = nullptr;
    QGroupBox* grpScore = nullptr;
    QLabel* lblMatches = nullptr;          ///< the count of matches
    QLabel* lblMatchesPoints = nullptr;    ///< points per match in the score box
    QLabel* lblMatchesProduct = nullptr;
    QLabel* lblMisses = nullptr;           ///< the count of misses
    QLabel* lblMissesPoints = nullptr;     ///< points per miss in the score box
    QLabel* lblMissesProduct = nullptr;
    QLabel* lblStart = nullptr;
    QLabel* lblTotal = nullptr;
    QLabel* lblToWin = nullptr;  ///< "(Score to win: N)"
};

class MemoryEndDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPages = 4;

    /// Builds the four pages and fills the sheet's page; the caption becomes
    /// "Game Won" or "Game Lost".
    explicit MemoryEndDialog(const MemoryScoreSheet& sheet, QWidget* parent = nullptr);

    /// Runs once the window has closed (it is hidden by then), however it
    /// was closed: by "OK", the window's close box or Escape.
    void setCloseAction(std::function<void()> action) { closeAction_ = std::move(action); }

    int pageIndex() const { return pageIndex_; }
    bool won() const { return won_; }
    QTabWidget* notebook() const { return PageControl; }
    const ScorePage& page(int index) const { return pages_[index]; }
    /// The page the sheet was filled on.
    const ScorePage& current() const { return pages_[pageIndex_]; }
    QPushButton* okButton() const { return btnOK; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildPage(int index, const QString& variant, const QString& boxCaption, int matchPoints, int missPoints);
    void fill(const MemoryScoreSheet& sheet);

    QTabWidget* PageControl = nullptr;
    QPushButton* btnOK = nullptr;
    ScorePage pages_[kPages];
    int pageIndex_ = 0;
    bool won_ = false;
    std::function<void()> closeAction_;
};

}  // namespace tessaro::dialogs
