#include "boardgame/ui/SeatRow.h"

#include "boardgame/BoardTimings.h"
#include "boardgame/ui/BoardPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <utility>

using namespace BoardTimings;

SeatRow::SeatRow(int seat, QWidget* parent) : QWidget(parent), m_seat(seat) {
    setObjectName(QStringLiteral("SeatRow_%1").arg(seat));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    imgPlayer = new QLabel(this);
    imgPlayer->setObjectName(QStringLiteral("imgPlayer_%1").arg(seat));
    imgPlayer->setFixedSize(PanelTokenWidth, PanelTokenHeight);
    imgPlayer->setScaledContents(true);
    imgPlayer->setPixmap(SeatPicture(seat));
    grid->addWidget(imgPlayer, 0, 0, 3, 1);

    lblPlayer = new QLabel(QLatin1String(SeatName[size_t(seat)]), this);
    lblPlayer->setObjectName(QStringLiteral("lblPlayer_%1").arg(seat));
    QFont bold = lblPlayer->font();
    bold.setBold(true);
    lblPlayer->setFont(bold);
    grid->addWidget(lblPlayer, 0, 1);

    chkPlayer = new QCheckBox(QStringLiteral("On/Off"), this);
    chkPlayer->setObjectName(QStringLiteral("chkPlayer_%1").arg(seat));
    grid->addWidget(chkPlayer, 0, 2);

    cboPlayer = new QComboBox(this);
    cboPlayer->setObjectName(QStringLiteral("cboPlayer_%1").arg(seat));
    cboPlayer->addItems(
        {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    cboPlayer->setToolTip(QStringLiteral("Add turn lost to the dice..."));
    cboPlayer->setFixedWidth(52);
    grid->addWidget(cboPlayer, 2, 1);

    cboPlayerChance = new QComboBox(this);
    cboPlayerChance->setObjectName(QStringLiteral("cboPlayerChance_%1").arg(seat));
    cboPlayerChance->addItems(
        {QStringLiteral("Chance 1"), QStringLiteral("Chance 2"), QStringLiteral("Chance 3")});
    cboPlayerChance->setToolTip(QStringLiteral("Add extra chance when spelling out words..."));
    cboPlayerChance->setFixedWidth(84);
    grid->addWidget(cboPlayerChance, 2, 2);

    // The tooltips alone leave a family guessing what the two lists do.
    QFont small = font();
    small.setPointSize(qMax(6, small.pointSize() - 2));
    lblTurnLost = new QLabel(QStringLiteral("Turn-lost faces"), this);
    lblChance = new QLabel(QStringLiteral("Spell chances"), this);
    lblTurnLost->setObjectName(QStringLiteral("lblTurnLost_%1").arg(seat));
    lblChance->setObjectName(QStringLiteral("lblChance_%1").arg(seat));
    for (auto [label, list] : {std::pair{lblTurnLost, cboPlayer}, {lblChance, cboPlayerChance}}) {
        label->setFont(small);
        label->setBuddy(list);
        label->setToolTip(list->toolTip());
        label->setStyleSheet(QStringLiteral("color: #fff8dc;"));
    }
    grid->addWidget(lblTurnLost, 1, 1);
    grid->addWidget(lblChance, 1, 2);

    if (seat != ProfessorSeat) {
        cmdStats = new QPushButton(QStringLiteral("Stats"), this);
        cmdStats->setObjectName(QStringLiteral("cmdStats_%1").arg(seat));
        cmdStats->setToolTip(QStringLiteral("Your results on this board..."));
        WindowChrome::AttachPressPointer(cmdStats);
        grid->addWidget(cmdStats, 1, 3, 2, 1); // below the level box
        connect(cmdStats, &QPushButton::clicked, this, [this] { Q_EMIT StatsWanted(m_seat); });
    }
    if (seat != ProfessorSeat) {
        cboPlayerLevel = new QComboBox(this);
        cboPlayerLevel->setObjectName(QStringLiteral("cboPlayerLevel_%1").arg(seat));
        for (const ItemLevel level :
             {ItemLevel::Any, ItemLevel::Primary, ItemLevel::Secondary, ItemLevel::Adult})
            cboPlayerLevel->addItem(ItemLevels::Caption(level), int(level));
        cboPlayerLevel->setToolTip(QStringLiteral("The questions and words of this level..."));
        cboPlayerLevel->setAccessibleName(QLatin1String(SeatName[size_t(seat)]) +
                                          QStringLiteral(", level of questions and words"));
        cboPlayerLevel->setFixedWidth(92);
        grid->addWidget(cboPlayerLevel, 0, 3);
    }
    grid->setColumnStretch(4, 1);
    // Said by a screen reader: which seat each box belongs to.
    const QString seatName = QLatin1String(SeatName[size_t(seat)]);
    imgPlayer->setAccessibleName(seatName);
    chkPlayer->setAccessibleName(seatName + QStringLiteral(" plays"));
    cboPlayer->setAccessibleName(seatName + QStringLiteral(", turn lost faces on the die"));
    cboPlayerChance->setAccessibleName(seatName + QStringLiteral(", chances to spell"));
    if (cmdStats)
        cmdStats->setAccessibleName(seatName + QStringLiteral(", results on this board"));

    connect(chkPlayer, &QCheckBox::clicked, this, [this] { Q_EMIT Switched(m_seat); });
    if (seat != ProfessorSeat) {
        connect(WindowChrome::AttachLabelButton(imgPlayer), &WindowChrome::LabelButton::clicked,
                this, [this] { Q_EMIT TokenWanted(m_seat); });
    }
    connect(cboPlayer, &QComboBox::activated, this,
            [this] { Q_EMIT TurnLostChosen(m_seat, TurnLostFaces()); });
    ShowOff();
}

ItemLevel SeatRow::Level() const {
    if (!cboPlayerLevel || cboPlayerLevel->currentIndex() < 0)
        return ItemLevel::Any;
    return ItemLevel(cboPlayerLevel->currentData().toInt());
}

void SeatRow::SetLevel(ItemLevel level) {
    if (cboPlayerLevel)
        cboPlayerLevel->setCurrentIndex(cboPlayerLevel->findData(int(level)));
}

int SeatRow::TurnLostFaces() const {
    return qMax(0, cboPlayer->currentIndex());
}

void SeatRow::SetListColour(quint32 colour) {
    m_listColour = colour;
    const QString sheet = QStringLiteral("QComboBox { background-color: %1; color: black; }")
                              .arg(BoardColour(colour).name());
    cboPlayer->setStyleSheet(sheet);
    cboPlayerChance->setStyleSheet(sheet);
    if (cboPlayerLevel)
        cboPlayerLevel->setStyleSheet(sheet);
}

void SeatRow::SetNameColour(quint32 colour) {
    m_nameColour = colour;
    QPalette palette = lblPlayer->palette();
    palette.setColor(QPalette::WindowText, BoardColour(colour));
    lblPlayer->setPalette(palette);
}

void SeatRow::ShowOn() {
    if (cmdStats)
        cmdStats->setEnabled(true);
    cboPlayer->setCurrentIndex(0);
    cboPlayer->setEnabled(true);
    cboPlayerChance->setCurrentIndex(0);
    cboPlayerChance->setEnabled(true);
    if (cboPlayerLevel) {
        cboPlayerLevel->setCurrentIndex(0);
        cboPlayerLevel->setEnabled(true);
    }
    SetListColour(SeatListOn);
    SetNameColour(SeatNameOn);
}

void SeatRow::ShowPlayer(const QString& nickName, const QPixmap& token) {
    lblPlayer->setText(nickName);
    imgPlayer->setPixmap(token);
    imgPlayer->setToolTip(QStringLiteral("Click to choose another token"));
}

void SeatRow::ShowOff() {
    lblPlayer->setText(QLatin1String(SeatName[size_t(m_seat)]));
    imgPlayer->setPixmap(SeatPicture(m_seat));
    imgPlayer->setToolTip(QString());
    if (cmdStats)
        cmdStats->setEnabled(false);
    cboPlayer->setCurrentIndex(-1);
    cboPlayer->setEnabled(false);
    cboPlayerChance->setCurrentIndex(-1);
    cboPlayerChance->setEnabled(false);
    if (cboPlayerLevel) {
        cboPlayerLevel->setCurrentIndex(-1);
        cboPlayerLevel->setEnabled(false);
    }
    SetListColour(SeatListOff);
    SetNameColour(SeatNameOff);
}

void SeatRow::Lock() {
    chkPlayer->setEnabled(false);
    cboPlayer->setEnabled(false);
    cboPlayerChance->setEnabled(false);
    if (cboPlayerLevel)
        cboPlayerLevel->setEnabled(false);
}
