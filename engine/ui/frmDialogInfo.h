#pragma once
// The placement dialog: "word made" with the word's points, or "mistake" with
// the three-point penalty. It reaches the table only through SolitaireTable.
#include <QDialog>

class ClSolitary;
class QLabel;
class QPushButton;
class SolitaireTable;

class frmDialogInfo : public QDialog {
    Q_OBJECT
public:
    frmDialogInfo(SolitaireTable& table, ClSolitary& game, QWidget* parent = nullptr);

    // Fill the dialog and show it, application-modal but without blocking:
    // the refused card flies back and the word's cards fly away meanwhile.
    // Closing it (cmdOK, lblClose) starts the deck animation again and
    // moves the advertisement on.
    void LoadMistake();
    void LoadWordMade(const QString& word);

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* picMistake = nullptr;
    QLabel* picCorrect = nullptr;
    QLabel* lblPlayer = nullptr;
    QLabel* lblline1 = nullptr;
    QLabel* lblLine2 = nullptr;
    QPushButton* cmdOK = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

public slots:
    void done(int result) override;

private:
    void SetColours(quint32 formBgr, quint32 captionBgr, quint32 captionTextBgr);
    void Unload();

    SolitaireTable& m_table;
    ClSolitary& m_game;
    bool m_unloaded = false;
};
