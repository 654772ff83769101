#pragma once
// The login window: lists the players that have a player file, checks the
// chosen player's password by loading the file, deletes players and opens the
// registration window. The solitaire fills the current player through it;
// the board game fills one seat's player record.
#include "players/ClassPlayerInfo.h"

#include <QDialog>
#include <QMap>
#include <QString>

class LoginHost;
class QLabel;
class QLineEdit;
class QListWidget;

inline constexpr char kModeSolitaire[] = "Solitaire";
inline constexpr char kModeBoardGame[] = "BoardGame";

class frmLogin : public QDialog {
    Q_OBJECT
public:
    // applicationMode: "Solitaire" or "BoardGame". player: the record a login
    // fills; when null the window uses a record of its own. host: the table
    // (solitaire only) that is refreshed after a login.
    explicit frmLogin(QWidget* owner = nullptr, const QString& applicationMode = QString(),
                      ClassPlayerInfo* player = nullptr, LoginHost* host = nullptr);
    ~frmLogin() override;

    // Shows the window modally over owner and returns whether a board-game
    // login succeeded. A closed window leaves the player as it was.
    static bool LoadLogin(QWidget* owner, ClassPlayerInfo* player, const QString& applicationMode);
    // The solitaire's login: modal over the table; a successful login fills
    // the current player, refreshes the table and then opens the start-game
    // dialog through host.
    static void LoadSolitaireLogin(QWidget* owner, LoginHost* host);

    QString ApplicationMode() const { return m_applicationMode; }
    bool Result() const { return m_result; }
    // The record a login fills.
    ClassPlayerInfo& Player() { return *m_player; }

    // Refills lstPlayers from the player files in temp/.
    void GetPlayers();
    // Clears and refills the list and selects its first entry.
    void LoadForm();

    // The menu commands ("Add Player", "Delete Player", "Log In...").
    void AddPlayer();
    void DeletePlayer();
    void LogIn();
    // After a registration: the new name is listed and selected.
    void PlayerCreated(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SelectPlayer(int row);
    void PlayerSelected();
    void BuildControls();

    QString m_applicationMode;
    bool m_result = false;
    ClassPlayerInfo m_ownPlayer;
    ClassPlayerInfo* m_player = nullptr;
    LoginHost* m_host = nullptr;
    bool m_modalRun = false;         // inside LoadSolitaireLogin's modal loop
    bool m_startGamePending = false; // open the start-game dialog once closed

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* lbllogIn = nullptr;
    QLabel* lblPassword = nullptr;
    QListWidget* lstPlayers = nullptr;
    QLineEdit* txtPassword = nullptr;
    QMap<int, QLabel*> lblMenu; // indexes 0, 1 and 3
};
