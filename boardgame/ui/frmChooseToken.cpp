#include "boardgame/ui/frmChooseToken.h"

#include "boardgame/BoardPlayers.h"
#include "boardgame/BoardTimings.h"
#include "boardgame/ui/BoardPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QLabel>
#include <QToolButton>

namespace {

constexpr int kCaptionHeight = 22;
constexpr int kMargin = 12;
constexpr int kButtonWidth = BoardTimings::PanelTokenWidth + 16;
constexpr int kButtonHeight = BoardTimings::PanelTokenHeight + 26;
constexpr int kGap = 8;

} // namespace

frmChooseToken::frmChooseToken(const QString& nickName, const QString& current,
                               const QStringList& taken, QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("frmChooseToken"));
    setModal(true);
    const QStringList pictures = PeopleTokens();
    const int count = int(pictures.size());
    setFixedSize(2 * kMargin + count * kButtonWidth + (count - 1) * kGap,
                 kCaptionHeight + 2 * kMargin + kButtonHeight);
    WindowChrome::SetBackground(this, QColor(0xf4, 0xea, 0xcb));
    const WindowChrome::CaptionBar bar = WindowChrome::AddCaptionStrip(
        this, nickName + QStringLiteral(", choose your token..."), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    lblFormCaption->setIndent(10); // clear of the rounded corner
    WindowChrome::SetBackground(lblFormCaption, QColor(192, 255, 192));
    setWindowTitle(lblFormCaption->text());
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::reject);

    for (int i = 0; i < count; ++i) {
        const QString key = pictures[i];
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdToken_") + key);
        button->setIcon(BoardPicture(key));
        button->setIconSize(QSize(BoardTimings::PanelTokenWidth, BoardTimings::PanelTokenHeight));
        button->setText(key);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setCheckable(true);
        button->setChecked(key == current);
        const bool free = !taken.contains(key);
        button->setEnabled(free);
        button->setToolTip(free ? key : key + QStringLiteral(" is on another seat"));
        button->setGeometry(kMargin + i * (kButtonWidth + kGap), kCaptionHeight + kMargin,
                            kButtonWidth, kButtonHeight);
        WindowChrome::AttachPressPointer(button);
        connect(button, &QToolButton::clicked, this, [this, key] {
            m_chosen = key;
            accept();
        });
        if (key == current && free)
            button->setFocus();
        cmdToken << button;
    }
    WindowChrome::MakeFrameless(this);
}

QString frmChooseToken::ChooseToken(QWidget* owner, const QString& nickName, const QString& current,
                                    const QStringList& taken) {
    frmChooseToken window(nickName, current, taken, owner);
    window.exec();
    return window.m_chosen;
}
