#pragma once
// The player's choice of card size: the three fixed sizes and the fitted one,
// from the Game menu or the Customize dialog, remembered in the settings file.
#include <array>
#include <string>

class QMenu;

namespace tessaro::shell {

class MainWindow;

struct CardSizeChoice {
    const char* letter;   ///< card size letter of register position 128
    const char* caption;  ///< menu and list caption
    const char* name;     ///< object name of the menu item
};

/// The choices, smallest first, the fitted size last.
const std::array<CardSizeChoice, 4>& cardSizeChoices();

/// Makes `letter` the card size: into the register and the settings file
/// ("Card_Size"), then the card pictures, fan offsets and layout afresh and the
/// whole table drawn again. A choice made while a small screen holds the
/// player's big cards in reserve replaces the reserved choice.
void chooseCardSize(MainWindow& window, const std::string& letter);

/// Adds "Card si&ze" with one checkable item per choice to the menu.
QMenu* addCardSizeMenu(MainWindow& window, QMenu* menu);

}  // namespace tessaro::shell
