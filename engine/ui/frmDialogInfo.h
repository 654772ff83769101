#pragma once
// The placement dialog: "word made" with the word's points, or "mistake" with
// the penalty the engine has taken. It only shows; the table plays the
// sound, turns the deck picture and restarts the deck when it is closed.
#include <QDialog>

class QLabel;
class QPushButton;

class frmDialogInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmDialogInfo(QWidget* parent = nullptr);

    // Deck pictures the table shows beside each verdict.
    static constexpr int kDeckAfterWord = 135;
    static constexpr int kDeckAfterMistake = 143;

    // Fill the dialog and show it, application-modal but without blocking:
    // the refused card flies back and the word's cards fly away meanwhile.
    void LoadMistake(const QString& nickName);
    void LoadWordMade(const QString& nickName, const QString& word);

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

Q_SIGNALS:
    // Closed (cmdOK, lblClose), once.
    void Unloaded();

private:
    void SetColours(quint32 formBgr, quint32 captionBgr, quint32 captionTextBgr);
    void Unload();

    bool m_unloaded = false;
};
