#include "table/ui/frmStartGame.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "shell/Logging.h"
#include "shell/ui/WindowChrome.h"

namespace {
constexpr int kWidth = 250;
constexpr int kHeight = 250;
// Tool tips of the level options 3 to 7, as shipped (6 has one blank).
const char* const kLevelTips[] = {"3  letter word game...", "4  letter word game...",
                                  "5  letter word game...", "6 letter word game...",
                                  "7  letter word game..."};
} // namespace

frmStartGame::frmStartGame(QWidget* table, DealFunction deal)
    : QDialog(table), m_deal(std::move(deal)), m_table(table) {
    setObjectName(QStringLiteral("frmStartGame"));
    setWindowTitle(QStringLiteral("Game Setup..."));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    WindowChrome::SetBackground(this, QColor(192, 255, 255)); // light cyan

    Frame1 = new QGroupBox(QStringLiteral("Game Setup"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(12, 10, kWidth - 24, 180);
    QFont bold = font();
    bold.setBold(true);
    Frame1->setFont(bold);

    lblLevel = new QLabel(QStringLiteral("Pick Word Level"), Frame1);
    lblLevel->setObjectName(QStringLiteral("lblLevel"));
    lblLevel->setGeometry(14, 26, 200, 20);

    optLevel.append(nullptr); // the options are numbered from 1
    for (int i = 1; i <= 5; ++i) {
        auto* opt = new QRadioButton(QString::number(i + 2), Frame1);
        opt->setObjectName(QStringLiteral("optLevel_%1").arg(i));
        opt->setToolTip(QString::fromLatin1(kLevelTips[i - 1]));
        opt->setGeometry(14 + (i - 1) * 42, 54, 40, 24);
        WindowChrome::AttachPressPointer(opt);
        optLevel.append(opt);
    }

    chkDictionary = new QCheckBox(QStringLiteral(" Use Dictionary Wizard "), Frame1);
    chkDictionary->setObjectName(QStringLiteral("chkDictionary"));
    chkDictionary->setGeometry(14, 100, 200, 24);
    WindowChrome::AttachPressPointer(chkDictionary);

    chkWinnable = new QCheckBox(QStringLiteral("Only deals that can be won"), Frame1);
    chkWinnable->setObjectName(QStringLiteral("chkWinnable"));
    chkWinnable->setGeometry(14, 130, 210, 24);
    WindowChrome::AttachPressPointer(chkWinnable);

    const QString captions[] = {QStringLiteral("Deal Out Cards"), QStringLiteral("Cancel")};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setObjectName(QStringLiteral("lblMenu_%1").arg(i));
        label->setFont(bold);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(i == 0 ? 16 : kWidth - 96, 206, i == 0 ? 120 : 80, 24);
        auto* button = WindowChrome::AttachLabelButton(label);
        connect(button, &WindowChrome::LabelButton::clicked, this, [this, i] { lblMenu_Click(i); });
        lblMenu.append(label);
    }

    WindowChrome::MakeFrameless(this);
    ResetDesignValues();
}

void frmStartGame::ResetDesignValues() {
    optLevel[1]->setChecked(true);
    chkDictionary->setChecked(true);
    chkWinnable->setChecked(true);
}

void frmStartGame::LoadGameDefaults() {
    ResetDesignValues();
    m_pendingDeal.reset();
    m_inLoad = true;
    exec();
    m_inLoad = false;
    // The deal runs here, after the modal loop, rather than inside the menu
    // label's mouse handler: the cards fly for seconds while events are
    // processed, and the pressed label must have let go of the mouse by then.
    if (m_pendingDeal)
        StartDeal();
}

qint16 frmStartGame::SelectedLevel() const {
    for (int i = 1; i <= 5; ++i)
        if (optLevel[i]->isChecked())
            return static_cast<qint16>(i + 2);
    // Only reachable if no option is selected; keep the design-time level.
    return 3;
}

void frmStartGame::lblMenu_Click(int index) {
    if (index == 1) {
        reject();
        return;
    }
    if (index != 0)
        return;
    hide();
    QApplication::processEvents();
    m_pendingDeal =
        PendingDeal{SelectedLevel(), chkDictionary->isChecked(), chkWinnable->isChecked()};
    accept();
    if (!m_inLoad)
        StartDeal(); // shown without LoadGameDefaults: deal straight away
}

void frmStartGame::StartDeal() {
    const PendingDeal deal = *m_pendingDeal;
    m_pendingDeal.reset();
    // The engine enables the table again when the cards are down.
    if (m_table)
        m_table->setEnabled(false);
    if (m_deal)
        m_deal(deal.level, deal.wizardOn, deal.onlyWinnable);
    else
        qCWarning(lcMordaventa) << "start-game dialog has no engine to deal";
    // The deal runs to its end before returning. A table still disabled now
    // means nothing was dealt (no word list, for one): give the table back
    // rather than leave it dead.
    if (m_table && !m_table->isEnabled()) {
        qCWarning(lcMordaventa) << "deal ended without enabling the table";
        m_table->setEnabled(true);
    }
}
