#include "squares/ui/frmCharacters.h"

#include "shell/ui/WindowChrome.h"
#include "squares/ui/SquareWindowsLook.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {

using namespace SquareLook;
using namespace SquareLook::Characters;

constexpr char16_t kUpper[] = u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ€ØÙÚÛÜÝÞßŒŸŠŽ";
constexpr char16_t kLower[] = u"àáâãäåæçèéêëìíîïðñòóôõö€øùúûüýþßœÿšž";
constexpr int kCount = 36;

} // namespace

frmCharacters::frmCharacters(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmCharacters"));
    setWindowTitle(QStringLiteral("Character Keys"));
    setFixedSize(Characters::Width, Characters::Height);
    WindowChrome::SetBackground(this, Paper());
    QFont bold = font();
    bold.setBold(true);

    QLabel* caption =
        WindowChrome::MakeLabel(this, "lblFormCaption", QStringLiteral("Character Keys"));
    caption->setGeometry(0, 0, Characters::Width, CaptionHeight);
    caption->setFont(bold);
    caption->setIndent(10);
    WindowChrome::SetBackground(caption, CaptionBand());
    WindowChrome::AttachCaption(caption);

    QFont letters = font();
    letters.setPointSize(LabelPointSize);
    auto makeRow = [&](const char16_t* characters, const char* name, int top,
                       QList<QLabel*>& labels, void (frmCharacters::*click)(int)) {
        for (int i = 0; i < kCount; ++i) {
            QLabel* label = WindowChrome::MakeLabel(this, name, QString(QChar(characters[i])));
            label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
            label->setGeometry(Left + (i % Columns) * Cell, top + (i / Columns) * Cell, LabelSize,
                               LabelSize);
            label->setAlignment(Qt::AlignCenter);
            label->setFont(letters);
            label->setFrameShape(QFrame::Box);
            WindowChrome::SetBackground(label, Colour(White));
            connect(WindowChrome::AttachLabelButton(label), &WindowChrome::LabelButton::clicked,
                    this, [this, click, i] { (this->*click)(i); });
            labels.append(label);
        }
    };
    makeRow(kUpper, "lblCharacters", UpperTop, lblCharacters, &frmCharacters::lblCharacters_Click);
    makeRow(kLower, "lblLowerCharacters", LowerTop, lblLowerCharacters,
            &frmCharacters::lblLowerCharacters_Click);

    cmdCancel = new QPushButton(QStringLiteral("Cancel Insert"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(Characters::Cancel);
    WindowChrome::AttachPressPointer(cmdCancel);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    WindowChrome::MakeFrameless(this);
}

QString frmCharacters::LoadCharactor(QWidget* owner) {
    frmCharacters picker(owner);
    picker.exec();
    return picker.Choice();
}

void frmCharacters::lblCharacters_Click(int index) {
    Choose(lblCharacters.value(index) ? lblCharacters[index]->text() : QString());
}

void frmCharacters::lblLowerCharacters_Click(int index) {
    Choose(lblLowerCharacters.value(index) ? lblLowerCharacters[index]->text() : QString());
}

void frmCharacters::Choose(const QString& character) {
    m_choice = character;
    QCoreApplication::processEvents();
    accept();
}
