#include "shell/game_list_choice.h"

#include <QInputDialog>
#include <QStringList>

#include "engine/context.h"

namespace tessaro::shell {

bool GameListChoice::choose(int& game, std::string& name) {
    QStringList names;
    std::vector<int> numbers;
    const int current = ctx_.reg.readInt(reg::Game, -1);
    int currentRow = 0;
    for (std::size_t i = 0; i < ctx_.mainGame.lines().size(); ++i) {
        const int number = ctx_.mainGame.gameAt(static_cast<int>(i));
        if (number < 0) continue;
        if (number == current) currentRow = names.size();
        numbers.push_back(number);
        names << QString::fromStdString(ctx_.mainGame.name(number));
    }
    if (names.isEmpty()) return false;
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent_, QStringLiteral("Open a game"), QStringLiteral("&Game:"),
                                                 names, currentRow, false, &ok);
    if (!ok) return false;
    const auto row = names.indexOf(chosen);
    if (row < 0) return false;
    game = numbers[static_cast<std::size_t>(row)];
    name = chosen.toStdString();
    return true;
}

}  // namespace tessaro::shell
