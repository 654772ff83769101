#pragma once
// The look the login and registration windows share with the solitaire
// table: cream paper around the window, the caption row and the menu commands
// in the table's fonts, and the window's fields on a green felt panel with
// light bold captions. Only the look: controls and behaviour stay the
// windows' own.
#include "shell/ui/WindowChrome.h"

#include <QBoxLayout>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QWidget>

namespace PlayerWindowLook {

// The table's paper and the base colour of its felt.
inline QColor Paper() {
    return QColor(0xf4, 0xea, 0xcb);
}
inline QColor Felt() {
    return QColor(0x16, 0x70, 0x34);
}

// Cream paper behind the whole window; the window's layout keeps the table's
// narrow border around the felt.
inline void SetUpWindow(QWidget* window, QBoxLayout* layout) {
    WindowChrome::SetBackground(window, Paper());
    layout->setContentsMargins(3, 4, 3, 8);
    layout->setSpacing(4);
}

// The caption and close labels in the table's bold 9-point font, the caption
// taking the width and the close label a small square at the right.
inline QHBoxLayout* CaptionRow(const WindowChrome::CaptionBar& bar) {
    QFont bold = bar.caption->font();
    bold.setBold(true);
    bold.setPointSize(9);
    bar.caption->setFont(bold);
    bar.caption->setMinimumHeight(24);
    bar.close->setFont(bold);
    bar.close->setAlignment(Qt::AlignCenter);
    bar.close->setFixedWidth(24);
    QHBoxLayout* row = WindowChrome::CaptionRow(bar);
    row->setContentsMargins(7, 0, 2, 0);
    return row;
}

// The green panel that holds the window's fields. Captions on it are light
// and bold; a disabled caption fades into the felt. An option button is a
// light ring, and the chosen one has a bright dot in it: the style's own
// faint dot does not show on the felt.
inline QWidget* AddFelt(QWidget* window) {
    auto* felt = new QWidget(window);
    felt->setObjectName(QStringLiteral("picFelt"));
    WindowChrome::SetBackground(felt, Felt());
    felt->setStyleSheet(
        QStringLiteral("QLabel, QRadioButton { color: #fff8dc; font-weight: bold; }"
                       "QLabel:disabled { color: #7fae8c; }"
                       "QRadioButton::indicator { width: 10px; height: 10px; border-radius: 7px;"
                       " border: 2px solid #fff8dc; background: %1; }"
                       "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5,"
                       " cy:0.5, radius:0.5, fx:0.5, fy:0.5, stop:0 #ffe066, stop:0.55 #ffe066,"
                       " stop:0.7 %1, stop:1 %1); }")
            .arg(Felt().name()));
    return felt;
}

// A menu command on the paper, in the table's 9-point menu font.
inline void StyleMenuLabel(QLabel* label) {
    QFont font = label->font();
    font.setPointSize(9);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumHeight(22);
}

} // namespace PlayerWindowLook
