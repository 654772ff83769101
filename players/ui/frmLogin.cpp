#include "players/ui/frmLogin.h"

#include "players/LoginHost.h"
#include "players/ui/PlayerWindowLook.h"
#include "players/ui/frmNewPlayer.h"
#include "shell/Logging.h"
#include "shell/MsgBox.h"
#include "shell/ProgramFolder.h"
#include "shell/ui/WindowChrome.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QVBoxLayout>

frmLogin::frmLogin(QWidget* owner, const QString& applicationMode, ClassPlayerInfo* player,
                   LoginHost* host)
    : QDialog(owner), m_applicationMode(applicationMode), m_player(player ? player : &m_ownPlayer),
      m_host(host) {
    setObjectName(QStringLiteral("frmLogin"));
    BuildControls();
    WindowChrome::MakeFrameless(this);
    LoadForm();
}

frmLogin::~frmLogin() = default;

void frmLogin::BuildControls() {
    setWindowTitle(QStringLiteral("Player login"));
    auto* layout = new QVBoxLayout(this);
    PlayerWindowLook::SetUpWindow(this, layout);

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionBar(this, QStringLiteral("Login..."));
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    layout->addLayout(PlayerWindowLook::CaptionRow(bar));

    QWidget* felt = PlayerWindowLook::AddFelt(this);
    // Each typed character of the password shows as "*", not the style's own
    // dot. The rule sits with the panel's others: a style sheet of the box's
    // own is not consulted under a styled parent.
    felt->setStyleSheet(felt->styleSheet() +
                        QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    auto* fields = new QVBoxLayout(felt);
    fields->setContentsMargins(12, 10, 12, 12);
    fields->setSpacing(6);
    lbllogIn = new QLabel(QStringLiteral("Player login as..."), felt);
    lbllogIn->setObjectName(QStringLiteral("lbllogIn"));
    fields->addWidget(lbllogIn);
    lstPlayers = new QListWidget(felt);
    lstPlayers->setObjectName(QStringLiteral("lstPlayers"));
    fields->addWidget(lstPlayers, 1);

    fields->addSpacing(4);
    lblPassword = new QLabel(QStringLiteral("Enter Password"), felt);
    lblPassword->setObjectName(QStringLiteral("lblPassword"));
    fields->addWidget(lblPassword);
    txtPassword = new QLineEdit(felt);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->installEventFilter(this);
    fields->addWidget(txtPassword);
    layout->addWidget(felt, 1);

    auto* menu = new QHBoxLayout;
    menu->setContentsMargins(6, 2, 6, 0);
    const std::pair<int, const char*> captions[] = {
        {0, "Add Player"}, {1, "Delete Player"}, {3, "Log In..."}};
    for (const auto& [index, caption] : captions) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setObjectName(QStringLiteral("lblMenu_%1").arg(index));
        PlayerWindowLook::StyleMenuLabel(label);
        lblMenu.insert(index, label);
        menu->addWidget(label);
    }
    layout->addLayout(menu);
    resize(280, 360);

    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::reject);
    connect(WindowChrome::AttachLabelButton(lblMenu[0]), &WindowChrome::LabelButton::clicked, this,
            &frmLogin::AddPlayer);
    connect(WindowChrome::AttachLabelButton(lblMenu[1]), &WindowChrome::LabelButton::clicked, this,
            &frmLogin::DeletePlayer);
    connect(WindowChrome::AttachLabelButton(lblMenu[3]), &WindowChrome::LabelButton::clicked, this,
            &frmLogin::LogIn);
    // Choosing an entry by click, by keyboard or from code empties the password.
    connect(lstPlayers, &QListWidget::currentRowChanged, this, [this] { PlayerSelected(); });
    connect(lstPlayers, &QListWidget::itemClicked, this, [this] { PlayerSelected(); });
}

bool frmLogin::LoadLogin(QWidget* owner, ClassPlayerInfo* player, const QString& applicationMode,
                         LoginHost* host) {
    frmLogin login(owner, applicationMode, player, host);
    login.exec();
    return login.Result();
}

bool frmLogin::Solitaire() const {
    return m_applicationMode == QLatin1String(kModeSolitaire);
}

void frmLogin::SaveRecordFirst() {
    if (Solitaire() && !m_player->SavePlayer())
        qCWarning(lcMordaventa) << "could not write the current player" << m_player->Filename;
}

void frmLogin::GetPlayers() {
    const QString folder = ProgramFolder::resolve(QStringLiteral("\\temp"));
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        qCWarning(lcMordaventa) << "cannot create the player folder" << folder;
    // A scratch file left by an interrupted run holds a player's plain text.
    if (dir.exists(QStringLiteral("temp.dat")))
        dir.remove(QStringLiteral("temp.dat"));
    // A save killed before its last step leaves the writer's staging copy
    // ("<name>.dat.AbC123") beside the player file, which stays whole.
    static const QRegularExpression staging(QStringLiteral("^.+\\.dat\\.[A-Za-z0-9]{6}$"));
    // Alphabetical without regard to letter case, as the players' own folder
    // listing shows them.
    const QStringList files = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        if (file.endsWith(QLatin1String(".dat")))
            lstPlayers->addItem(file.left(file.size() - 4));
        else if (staging.match(file).hasMatch() && !dir.remove(file))
            qCWarning(lcMordaventa) << "cannot remove the unfinished save" << file;
    }
}

void frmLogin::LoadForm() {
    lstPlayers->clear();
    GetPlayers();
    if (lstPlayers->count() > 0)
        SelectPlayer(0);
}

void frmLogin::SelectPlayer(int row) {
    if (lstPlayers->currentRow() == row)
        PlayerSelected();
    else
        lstPlayers->setCurrentRow(row);
}

void frmLogin::PlayerSelected() {
    if (lstPlayers->currentRow() < 0)
        return;
    txtPassword->clear();
    txtPassword->setFocus();
}

void frmLogin::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (lstPlayers->currentRow() >= 0)
        txtPassword->setFocus();
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtPassword && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            LogIn();
            return true; // not the dialog's default button
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmLogin::AddPlayer() {
    frmNewPlayer registration(this,
                              [this](const ClassPlayerInfo& created) { PlayerCreated(created); });
    registration.GetPlayerName(this);
}

void frmLogin::PlayerCreated(const ClassPlayerInfo& created) {
    if (Solitaire()) {
        // The new player is the one at the table from now on, as after a login.
        SaveRecordFirst();
        *m_player = created;
        if (m_host)
            m_host->PlayerChanged();
    }
    lstPlayers->addItem(created.NickName);
    SelectPlayer(lstPlayers->count() - 1);
}

void frmLogin::DeletePlayer() {
    QListWidgetItem* item = lstPlayers->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    // A player's results and saved games are that player's to delete.
    if (!ClassPlayerInfo::MayDelete(name, txtPassword->text())) {
        MsgBox(QStringLiteral("Please insert proper password then try again..."), MsgButtons::OK,
               QStringLiteral("Password incorrect..."), MsgIcon::Exclamation, this);
        txtPassword->clear();
        txtPassword->setFocus();
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure you want to delete ") + name + QStringLiteral("?   "),
               MsgButtons::YesNo, QStringLiteral("Deleting Player Scorecard..."),
               MsgIcon::Exclamation, this) != MsgAnswer::Yes)
        return;
    const QString path = ClassPlayerInfo::PlayerFilePath(name);
    if (!QFile::remove(path))
        qCWarning(lcMordaventa) << "cannot delete the player file" << path;
    // The deleted player must not come back when the record is saved later.
    else if (!m_player->Filename.isEmpty() &&
             m_player->Filename.compare(name, Qt::CaseInsensitive) == 0) {
        *m_player = ClassPlayerInfo();
        if (m_host)
            m_host->PlayerChanged();
    }
    LoadForm();
}

void frmLogin::ShowLoadRefusal(PlayerFileStatus status, const QString& version) {
    switch (status) {
    case PlayerFileStatus::WrongPassword:
        MsgBox(QStringLiteral("Please insert proper password then try again..."), MsgButtons::OK,
               QStringLiteral("Password incorrect..."), MsgIcon::Exclamation, this);
        return;
    case PlayerFileStatus::OtherVersion:
        MsgBox(QStringLiteral("Can't load player info... Version ") + version +
                   QStringLiteral("\r\n\r\n You Have Version ") + QLatin1String(kPlayerFileVersion),
               MsgButtons::OK, QString(), MsgIcon::Information, this);
        return;
    default:
        MsgBox(QStringLiteral("Error in loading player file..."), MsgButtons::OK, QString(),
               MsgIcon::Critical, this);
    }
}

void frmLogin::LogIn() {
    QListWidgetItem* item = lstPlayers->currentItem();
    const QString name = item ? item->text() : QString();
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("Select a player from list box or enter a new player..."),
               MsgButtons::OK, QStringLiteral("Player..."), MsgIcon::Exclamation, this);
        return;
    }
    const QString password = txtPassword->text();
    if (password.size() < 3) {
        MsgBox(QStringLiteral("Password needs to be 3 letters or more..."), MsgButtons::OK,
               QStringLiteral("Password..."), MsgIcon::Exclamation, this);
        txtPassword->setFocus();
        return;
    }
    SaveRecordFirst();
    QString version;
    if (const PlayerFileStatus status = m_player->LoadPlayer(name, password, &version);
        status != PlayerFileStatus::Loaded) {
        ShowLoadRefusal(status, version);
        txtPassword->clear();
        txtPassword->setFocus();
        return;
    }
    m_result = true;
    if (m_applicationMode == QLatin1String(kModeBoardGame)) {
        QApplication::processEvents();
        accept();
        return;
    }
    if (Solitaire()) {
        hide();
        if (m_host)
            m_host->PlayerChanged();
    }
    accept();
}
