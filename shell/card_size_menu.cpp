#include "shell/card_size_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "engine/context.h"
#include "shell/main_window.h"
#include "shell/table_area.h"
#include "stores/settings.h"
#include "table/layout.h"

namespace tessaro::shell {

namespace {

class MenuTableHost : public TableHost {
public:
    explicit MenuTableHost(MainWindow& w) : w_(w) {}
    void cardSizeChanged(Context&) override { w_.table()->cardSizeChanged(); }

private:
    MainWindow& w_;
};

}  // namespace

const std::array<CardSizeChoice, 4>& cardSizeChoices() {
    static const std::array<CardSizeChoice, 4> choices{{
        {"L", "&Small", "mnuCardSizeSmall"},
        {"M", "&Medium", "mnuCardSizeMedium"},
        {"B", "&Large", "mnuCardSizeLarge"},
        {"F", "&Fit to window", "mnuCardSizeFit"},
    }};
    return choices;
}

void chooseCardSize(MainWindow& window, const std::string& letter) {
    Context& ctx = window.context();
    Register& r = ctx.reg;
    // The small-screen substitution keeps the player's set and back aside;
    // a new choice takes them back, and the next game checks the screen again.
    if (!r.read(reg::SavedFaceSet).empty()) {
        r.write(reg::CardFaceSet, r.read(reg::SavedFaceSet));
        r.write(reg::CardBack, r.read(reg::SavedBack));
        r.write(reg::SavedCardSize, "");
        r.write(reg::SavedFaceSet, "");
        r.write(reg::SavedBack, "");
    }
    r.write(reg::CardSize, letter);
    settingsFile(r).writeString(section::Preference, "Card_Size", letter);
    MenuTableHost host(window);
    setCardSize(ctx, host);
    setFanOffsets(ctx);
    window.relayout();
}

QMenu* addCardSizeMenu(MainWindow& window, QMenu* menu) {
    QMenu* sizes = menu->addMenu(QStringLiteral("Card si&ze"));
    sizes->setObjectName(QStringLiteral("mnuCardSize"));
    auto* group = new QActionGroup(sizes);
    for (const CardSizeChoice& c : cardSizeChoices()) {
        QAction* a = sizes->addAction(QString::fromLatin1(c.caption));
        a->setObjectName(QString::fromLatin1(c.name));
        a->setCheckable(true);
        a->setData(QString::fromLatin1(c.letter));
        group->addAction(a);
        const std::string letter = c.letter;
        QObject::connect(a, &QAction::triggered, &window, [&window, letter] { chooseCardSize(window, letter); });
    }
    // The tick follows the register, which the Customize dialog changes too.
    QObject::connect(sizes, &QMenu::aboutToShow, sizes, [&window, group] {
        const QString letter = QString::fromStdString(window.context().reg.read(reg::CardSize));
        for (QAction* a : group->actions()) a->setChecked(a->data().toString() == letter);
    });
    return sizes;
}

}  // namespace tessaro::shell
