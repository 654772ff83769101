#pragma once
// The start-game dialog: the player picks the word level (3 to 7 letters),
// whether the dictionary wizard is on and whether only deals that can be won
// are dealt, then the engine deals. Every opening starts from level 3 with
// both ticked; nothing is remembered between games.
#include <QDialog>
#include <QList>

#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

class frmStartGame : public QDialog {
    Q_OBJECT
public:
    // Receives the chosen word level (3 to 7) and the two flags; the table
    // wires it to its engine's DealNewCards.
    using DealFunction = std::function<void(qint16 level, bool wizardOn, bool onlyWinnable)>;

    // `table` is the solitaire table: it is disabled while the engine deals.
    explicit frmStartGame(QWidget* table = nullptr, DealFunction deal = {});

    void SetDeal(DealFunction deal) { m_deal = std::move(deal); }

    // Resets every control to its design-time value and shows the dialog
    // modally over the table. Returns when the dialog has been unloaded
    // (after the deal when "Deal Out Cards" was chosen).
    void LoadGameDefaults();
    // Puts every control back to its design-time value.
    void ResetDesignValues();
    // Menu label handler: 0 deals, 1 cancels, other indexes do nothing.
    void lblMenu_Click(int index);

    // The word level of the selected option (3 to 7), as the deal receives it.
    qint16 SelectedLevel() const;

    // ---- controls ------------------------------------------------------------
    QGroupBox* Frame1 = nullptr;
    QLabel* lblLevel = nullptr;
    QList<QRadioButton*> optLevel; // indexes 1 to 5; element 0 is unused (null)
    QCheckBox* chkDictionary = nullptr;
    QCheckBox* chkWinnable = nullptr;
    QList<QLabel*> lblMenu; // 0 "Deal Out Cards", 1 "Cancel"

private:
    struct PendingDeal {
        qint16 level;
        bool wizardOn;
        bool onlyWinnable;
    };
    void StartDeal();

    DealFunction m_deal;
    QWidget* m_table;
    std::optional<PendingDeal> m_pendingDeal;
    bool m_inLoad = false;
};
