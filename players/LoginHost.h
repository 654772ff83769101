#pragma once
// What the login window asks of the window that opened it in the solitaire
// (the table implements it): after a successful login the greeting in the
// caption, the saved-games grid and the menu are refreshed and the start-game
// dialog is opened.
#include <QString>

class LoginHost {
public:
    virtual ~LoginHost() = default;
    // Shows the greeting in the table's caption label.
    virtual void SetGreeting(const QString& caption) = 0;
    // Refills the grid of the current player's saved games.
    virtual void LoadFlexGrid() = 0;
    // Enables and disables the menu commands for the new state.
    virtual void DisableButtons() = 0;
    // Opens the start-game dialog (after the login window has closed).
    virtual void OpenStartGame() = 0;
};
