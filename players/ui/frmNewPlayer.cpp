#include "players/ui/frmNewPlayer.h"

#include "players/ClassPlayerInfo.h"
#include "players/ui/PlayerWindowLook.h"
#include "shell/MsgBox.h"
#include "shell/Windows1252.h"
#include "shell/ui/WindowChrome.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kDigits = QStringLiteral("1234567890");
const QString kAdult = QStringLiteral("Adult");

constexpr int kNameLength = 12;
constexpr int kPasswordLength = 10;
constexpr int kSchoolLength = 50;
constexpr int kAgeLength = 3;
constexpr int kCityLength = 50;

// What each box admits, and the reason a refused character is given.
enum class BoxRule { NickName, Password, Place, Digits };

// A letter of any language that the player file's code page holds ("É").
bool codePageLetterOrDigit(QChar c) {
    return (c.isLetter() || c.isDigit()) && Windows1252::canEncode(QString(c));
}

bool admitted(QChar c, BoxRule rule) {
    switch (rule) {
    case BoxRule::NickName:
        // The nick name is the player file's name: no blanks or punctuation.
        return codePageLetterOrDigit(c);
    case BoxRule::Password:
        return frmNewPlayer::AdmittedCharacters().contains(c);
    case BoxRule::Place:
        // School and city as people write them ("Saint-Jean", "O'Hara"),
        // never the player file's own separators.
        return codePageLetterOrDigit(c) || c == QLatin1Char(' ') || c == QLatin1Char('-') ||
               c == QLatin1Char('\'') || c == QChar(0x2019);
    case BoxRule::Digits:
        return kDigits.contains(c);
    }
    return false;
}

QString refusalText(QChar c, BoxRule rule) {
    const QString shown = QStringLiteral("\u201C%1\u201D cannot be used ").arg(c);
    switch (rule) {
    case BoxRule::NickName:
        return shown + QStringLiteral("in a nick name, which names the player's file: "
                                      "use letters and digits.");
    case BoxRule::Password:
        return shown + QStringLiteral("in a password: use the letters A to Z and digits.");
    case BoxRule::Place:
        return shown + QStringLiteral("here: use letters, digits, spaces, hyphens and "
                                      "apostrophes.");
    case BoxRule::Digits:
        return shown + QStringLiteral("in the age: use digits.");
    }
    return QString();
}

QString keepAdmitted(const QString& text, BoxRule rule, QChar* refused = nullptr) {
    QString kept;
    for (QChar c : text) {
        if (admitted(c, rule))
            kept.append(c);
        else if (refused)
            *refused = c;
    }
    return kept;
}

} // namespace

const QString& frmNewPlayer::AdmittedCharacters() {
    static const QString admitted =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz1234567890");
    return admitted;
}

QStringList frmNewPlayer::ProvStatesOf(const QString& country) {
    if (country == QLatin1String("Canada")) {
        return {QStringLiteral("Alberta"),
                QStringLiteral("British Columbia"),
                QStringLiteral("Manitoba"),
                QStringLiteral("New Brunswick"),
                QStringLiteral("Newfoundland"),
                QStringLiteral("Northwest Territories"),
                QStringLiteral("Nova Scotia"),
                QStringLiteral("Ontario"),
                QStringLiteral("Prince Edward Island"),
                QStringLiteral("Quebec"),
                QStringLiteral("Saskatchewan"),
                QStringLiteral("Yukon")};
    }
    if (country == QLatin1String("United States")) {
        return QStringLiteral(
                   "Alabama,Alaska,Arizona,Arkansas,California,Colorado,Connecticut,Delaware,"
                   "Florida,Georgia,Hawaii,Idaho,Illinois,Indiana,Iowa,Kansas,Kentucky,Louisiana,"
                   "Maine,Maryland,Massachusetts,Michigan,Minnesota,Mississippi,Missouri,Montana,"
                   "Nebraska,Nevada,New Hampshire,New Jersey,New Mexico,New York,North Carolina,"
                   "North Dakota,Ohio,Oklahoma,Oregon,Pennsylvania,Rhode Island,South Carolina,"
                   "South Dakota,Tennessee,Texas,Utah,Vermont,Virginia,Washington,West Virginia,"
                   "Wisconsin,Wyoming")
            .split(QLatin1Char(','));
    }
    if (country == QLatin1String("Other"))
        return {QStringLiteral("Other")};
    return {};
}

frmNewPlayer::frmNewPlayer(QWidget* owner, std::function<void(const ClassPlayerInfo&)> created)
    : QDialog(owner), m_created(std::move(created)) {
    setObjectName(QStringLiteral("frmNewPlayer"));
    BuildControls();
    WindowChrome::MakeFrameless(this);
}

void frmNewPlayer::BuildControls() {
    setWindowTitle(QStringLiteral("New player"));
    auto* layout = new QVBoxLayout(this);
    PlayerWindowLook::SetUpWindow(this, layout);

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionBar(this, QStringLiteral("New player..."));
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    layout->addLayout(PlayerWindowLook::CaptionRow(bar));

    QWidget* felt = PlayerWindowLook::AddFelt(this);
    // The password shows "*" per character, as in the login window.
    felt->setStyleSheet(felt->styleSheet() +
                        QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    auto* form = new QFormLayout(felt);
    form->setContentsMargins(12, 12, 12, 12);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(7);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto addRow = [&](const char* labelName, const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, felt);
        label->setObjectName(QString::fromLatin1(labelName));
        form->addRow(label, field);
        return label;
    };
    auto makeBox = [&](const char* name, int maxLength) {
        auto* box = new QLineEdit(felt);
        box->setObjectName(QString::fromLatin1(name));
        box->setMaxLength(maxLength);
        box->installEventFilter(this);
        return box;
    };
    auto makeCombo = [&](const char* name, const QStringList& items) {
        auto* combo = new QComboBox(felt);
        combo->setObjectName(QString::fromLatin1(name));
        combo->addItems(items);
        combo->installEventFilter(this); // typing is swallowed
        return combo;
    };

    txtPlayerName = makeBox("txtPlayerName", kNameLength);
    addRow("lblPlayerName", QStringLiteral("Nick Name"), txtPlayerName);
    txtPassword = makeBox("txtPassword", kPasswordLength);
    txtPassword->setEchoMode(QLineEdit::Password);
    addRow("lblPasswordCaption", QStringLiteral("Password"), txtPassword);
    cboPlayerType = makeCombo(
        "cboPlayerType", {kAdult, QStringLiteral("High School"), QStringLiteral("Primary School")});
    addRow("lblPlayerType", QStringLiteral("Player Type"), cboPlayerType);
    txtSchoolName = makeBox("txtSchoolName", kSchoolLength);
    txtSchoolName->setReadOnly(true);
    lblSchoolName = addRow("lblSchoolName", QStringLiteral("School Name"), txtSchoolName);
    lblSchoolName->setEnabled(false);
    txtAge = makeBox("txtAge", kAgeLength);
    addRow("lblAge", QStringLiteral("Age"), txtAge);

    auto* genders = new QWidget(felt);
    auto* genderRow = new QHBoxLayout(genders);
    genderRow->setContentsMargins(0, 0, 0, 0);
    const QString genderCaptions[] = {QStringLiteral("Male"), QStringLiteral("Female")};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(genderCaptions[i], genders);
        option->setObjectName(QStringLiteral("optGender_%1").arg(i));
        optGender.append(option);
        genderRow->addWidget(option);
    }
    optGender[0]->setChecked(true);
    addRow("lblGender", QStringLiteral("Gender"), genders);

    cboCountry = makeCombo("cboCountry", {QStringLiteral("Canada"), QStringLiteral("United States"),
                                          QStringLiteral("Other")});
    addRow("lblCountry", QStringLiteral("Country"), cboCountry);
    cboProvState = makeCombo("cboProvState", {});
    addRow("lblProvState", QStringLiteral("Prov/State"), cboProvState);
    txtCity = makeBox("txtCity", kCityLength);
    addRow("lblCity", QStringLiteral("City"), txtCity);
    layout->addWidget(felt, 1);
    lblRefused = new QLabel(this);
    lblRefused->setObjectName(QStringLiteral("lblRefused"));
    lblRefused->setWordWrap(true);
    lblRefused->setContentsMargins(12, 0, 12, 0);
    lblRefused->hide();
    layout->addWidget(lblRefused);

    auto* create = new QLabel(QStringLiteral("Create Player"), this);
    create->setObjectName(QStringLiteral("lblMenu_0"));
    PlayerWindowLook::StyleMenuLabel(create);
    create->setContentsMargins(8, 0, 8, 0);
    lblMenu.append(create);
    layout->addWidget(create, 0, Qt::AlignRight);
    resize(340, 350);

    // The starting country's provinces are offered at once, none chosen.
    CountryChosen();

    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::reject);
    connect(WindowChrome::AttachLabelButton(create), &WindowChrome::LabelButton::clicked, this,
            [this] { CreatePlayer(); });
    connect(cboPlayerType, &QComboBox::currentTextChanged, this, [this] { PlayerTypeChanged(); });
    connect(cboCountry, &QComboBox::currentTextChanged, this, [this] { CountryChosen(); });
    // Every change is filtered too, so pasted text obeys the same rules as
    // typing (a "|" or ":" in a name would break the player file).
    for (QLineEdit* box : {txtPlayerName, txtPassword, txtSchoolName, txtCity, txtAge})
        connect(box, &QLineEdit::textChanged, this, [this, box] { FilterText(box); });
}

int frmNewPlayer::RuleOf(const QObject* box) const {
    if (box == txtAge)
        return int(BoxRule::Digits);
    if (box == txtSchoolName || box == txtCity)
        return int(BoxRule::Place);
    if (box == txtPassword)
        return int(BoxRule::Password);
    return int(BoxRule::NickName);
}

void frmNewPlayer::ShowRefused(QChar c, int rule) {
    lblRefused->setText(refusalText(c, BoxRule(rule)));
    lblRefused->show();
}

void frmNewPlayer::FilterText(QLineEdit* box) {
    if (m_filtering)
        return;
    const BoxRule rule = BoxRule(RuleOf(box));
    const QString text = box->text();
    QChar refused;
    const QString kept = keepAdmitted(text, rule, &refused);
    if (kept == text)
        return;
    m_filtering = true;
    const int cursor = box->cursorPosition();
    const int removedBeforeCursor =
        int(text.left(cursor).size() - keepAdmitted(text.left(cursor), rule).size());
    box->setText(kept);
    box->setCursorPosition(cursor - removedBeforeCursor);
    m_filtering = false;
    ShowRefused(refused, int(rule));
}

bool frmNewPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    // Editing and navigation keys pass (Tab moves on to the next box), and so
    // do the editing shortcuts (select all, copy, cut, undo): pasted text is
    // filtered once it has arrived.
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const bool navigation = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    // Escape, Enter and the like carry control characters, not text to check.
    const bool control =
        std::any_of(typed.begin(), typed.end(), [](QChar c) { return !c.isPrint(); });
    if (key->key() == Qt::Key_Backspace || typed.isEmpty() || shortcut || navigation || control)
        return QDialog::eventFilter(watched, event);
    if (watched == cboPlayerType || watched == cboCountry || watched == cboProvState)
        return true;
    if (watched != txtAge && watched != txtPlayerName && watched != txtPassword &&
        watched != txtSchoolName && watched != txtCity)
        return QDialog::eventFilter(watched, event);
    const BoxRule rule = BoxRule(RuleOf(watched));
    for (QChar c : typed) {
        if (!admitted(c, rule)) {
            ShowRefused(c, int(rule));
            return true; // swallowed
        }
    }
    lblRefused->hide();
    return QDialog::eventFilter(watched, event);
}

void frmNewPlayer::PlayerTypeChanged() {
    const QString type = cboPlayerType->currentText();
    if (cboPlayerType->findText(type) < 0) {
        cboPlayerType->setCurrentText(kAdult);
        return;
    }
    const bool adult = type == kAdult;
    if (adult)
        txtSchoolName->clear();
    txtSchoolName->setReadOnly(adult);
    lblSchoolName->setEnabled(!adult);
}

void frmNewPlayer::CountryChosen() {
    cboProvState->clear();
    cboProvState->addItems(ProvStatesOf(cboCountry->currentText()));
    cboProvState->setCurrentIndex(-1);
}

void frmNewPlayer::GetPlayerName(QWidget* owner) {
    if (owner && owner != parentWidget())
        setParent(owner, windowFlags());
    setWindowModality(Qt::ApplicationModal);
    exec();
}

bool frmNewPlayer::CreatePlayer() {
    const QString name = txtPlayerName->text();
    // "temp" is the scratch file's name: such a player's file would be wiped
    // by the next listing of the players.
    if (name.isEmpty() || QFileInfo::exists(ClassPlayerInfo::PlayerFilePath(name)) ||
        name.compare(QLatin1String("temp"), Qt::CaseInsensitive) == 0) {
        MsgBox(QStringLiteral("Player name already in use..."), MsgButtons::OK, QString(),
               MsgIcon::Exclamation, this);
        txtPlayerName->clear();
        txtPlayerName->setFocus();
        return false;
    }
    if (name.size() < 3) {
        MsgBox(QStringLiteral("Player name needs to be 3 letters or more..."), MsgButtons::OK,
               QString(), MsgIcon::Exclamation, this);
        txtPlayerName->setFocus();
        return false;
    }
    const QString password = txtPassword->text();
    if (password.size() < 3) {
        MsgBox(QStringLiteral("Password needs to be 3 letters or more..."), MsgButtons::OK,
               QString(), MsgIcon::Exclamation, this);
        txtPassword->setFocus();
        return false;
    }

    // A record of its own: the current player (who may have unsaved games)
    // stays as it is until somebody logs in.
    ClassPlayerInfo player;
    player.PlayerType = cboPlayerType->currentText();
    player.School = txtSchoolName->text();
    player.Age = txtAge->text().toShort();     // at most three digits
    player.Gender = optGender[0]->isChecked(); // True for "Male"
    player.Country = cboCountry->currentText();
    player.ProvState = cboProvState->currentText();
    player.City = txtCity->text();
    if (!player.CreatePlayerFile(name, password)) {
        MsgBox(QStringLiteral("The player file could not be written..."), MsgButtons::OK, QString(),
               MsgIcon::Critical, this);
        return false;
    }
    if (m_created)
        m_created(player);
    accept();
    return true;
}
