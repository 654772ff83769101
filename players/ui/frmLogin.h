#pragma once
// The login window: lists the players that have a player file, checks the
// chosen player's password by loading the file, deletes players and opens the
// registration window. It fills the player record it is given: the
// solitaire table's one player, or one board-game seat's.
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
    // fills; when null the window uses a record of its own. host: the window
    // that owns the record, told when the record changes.
    explicit frmLogin(QWidget* owner = nullptr, const QString& applicationMode = QString(),
                      ClassPlayerInfo* player = nullptr, LoginHost* host = nullptr);
    ~frmLogin() override;

    // Shows the window modally over owner and returns whether a login filled
    // the player. A closed window leaves the player as it was. In the
    // solitaire the record's previous player file is written before another
    // is read, and a player registered here becomes the record's player.
    static bool LoadLogin(QWidget* owner, ClassPlayerInfo* player, const QString& applicationMode,
                          LoginHost* host = nullptr);

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
    // After a registration: the new name is listed and selected; in the
    // solitaire the new player takes the record.
    void PlayerCreated(const ClassPlayerInfo& created);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SelectPlayer(int row);
    // Tells the player why their file was not loaded.
    void ShowLoadRefusal(PlayerFileStatus status, const QString& version);
    void PlayerSelected();
    void BuildControls();
    bool Solitaire() const;
    // The solitaire's record may hold games not yet written (they reach the
    // file when the table closes): they are written before it is refilled.
    void SaveRecordFirst();

    QString m_applicationMode;
    bool m_result = false;
    ClassPlayerInfo m_ownPlayer;
    ClassPlayerInfo* m_player = nullptr;
    LoginHost* m_host = nullptr;

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* lbllogIn = nullptr;
    QLabel* lblPassword = nullptr;
    QListWidget* lstPlayers = nullptr;
    QLineEdit* txtPassword = nullptr;
    QMap<int, QLabel*> lblMenu; // indexes 0, 1 and 3
};
