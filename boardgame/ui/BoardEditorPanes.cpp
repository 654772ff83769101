#include "boardgame/ui/BoardEditorPanes.h"

#include "boardgame/BoardDraft.h"
#include "boardgame/file/BoardLimits.h"
#include "boardgame/ui/BoardEditorLook.h"
#include "boardgame/ui/PronunciationPanel.h"
#include "shell/MsgBox.h"
#include "shell/ui/WindowChrome.h"

#include <QBuffer>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace BoardEditorLook;

namespace {

const QString kTitle = QStringLiteral("Board Editor");

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    WindowChrome::AttachPressPointer(b);
    return b;
}

QLabel* makePreview(QWidget* parent, const QString& name, QSize size) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(size);
    label->setFrameShape(QFrame::StyledPanel);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void setText(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

void setText(QPlainTextEdit* box, const QString& text) {
    if (box->toPlainText() != text)
        box->setPlainText(text);
}

bool validWord(const BoardDraft& draft, int word) {
    return word >= 0 && word < draft.Content().words.size();
}

bool validCategory(const BoardDraft& draft, int category) {
    return category >= 0 && category < draft.Content().categories.size();
}

} // namespace

BoardEditorPane::BoardEditorPane(BoardDraft& draft, const BoardEditorDialogs& dialogs,
                                 QWidget* parent)
    : QWidget(parent), m_draft(draft), m_dialogs(dialogs) {}

QFormLayout* BoardEditorPane::topForm() {
    // The controls keep their places whatever the pane's height, so the
    // teacher finds them where they were.
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    column->addLayout(form);
    column->addStretch();
    return form;
}

QByteArray BoardEditorPane::choosePicture() {
    const QString path =
        m_dialogs.openFile(this, QStringLiteral("Choose a picture"),
                           QStringLiteral("Pictures (*.jpg *.jpeg *.png *.bmp *.gif *.JPG "
                                          "*.JPEG *.PNG *.BMP *.GIF)"));
    if (path.isEmpty())
        return QByteArray();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A picture of hundreds of megapixels is refused before it is decoded.
    const QSize size = reader.size();
    QImage image;
    if (size.isValid() && qint64(size.width()) * size.height() <= 100'000'000)
        image = reader.read();
    if (image.isNull()) {
        MsgBox(QStringLiteral("%1 cannot be used as a picture: %2")
                   .arg(path, size.isValid() ? reader.errorString()
                                             : QStringLiteral("it is not a picture")),
               MsgButtons::OK, kTitle, MsgIcon::Exclamation, window());
        return QByteArray();
    }
    if (image.width() > kPictureSide || image.height() > kPictureSide)
        image =
            image.scaled(kPictureSide, kPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // JPEG has no transparency: transparent parts become white, as on paper.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!flat.save(&buffer, "JPG", kJpegQuality) || !BoardLimits::FitsMedia(jpeg)) {
        MsgBox(QStringLiteral("%1 cannot be stored as a picture.").arg(path), MsgButtons::OK,
               kTitle, MsgIcon::Exclamation, window());
        return QByteArray();
    }
    return jpeg;
}

void BoardEditorPane::showPicture(QLabel* box, const QByteArray& jpeg) {
    QPixmap picture;
    box->clear(); // setText keeps an earlier picture when the text is unchanged
    if (jpeg.isEmpty() || !picture.loadFromData(jpeg, "JPG")) {
        // A choice's small box stays empty rather than cut a word in half.
        box->setText(jpeg.isEmpty() && box->width() >= kPreview.width()
                         ? QStringLiteral("no picture")
                     : jpeg.isEmpty() ? QString()
                                      : QStringLiteral("?"));
        return;
    }
    box->setPixmap(picture.scaled(box->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void BoardEditorPane::done(bool changed, bool structural) {
    if (changed)
        emit Edited(structural);
}

QComboBox* BoardEditorPane::levelBox(const char* name) {
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->addItem(QStringLiteral("Every level"), int(ItemLevel::Any));
    box->addItem(QStringLiteral("Primary"), int(ItemLevel::Primary));
    box->addItem(QStringLiteral("Secondary"), int(ItemLevel::Secondary));
    box->addItem(QStringLiteral("Adult"), int(ItemLevel::Adult));
    return box;
}

// ---- The board ----

BoardPropertiesPane::BoardPropertiesPane(BoardDraft& draft, const BoardEditorDialogs& dialogs,
                                         QWidget* parent)
    : BoardEditorPane(draft, dialogs, parent) {
    QFormLayout* form = topForm();
    txtDescription = new QPlainTextEdit(this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    txtDescription->setTabChangesFocus(true);
    txtDescription->setMaximumHeight(160);
    txtAuthor = new QLineEdit(this);
    txtAuthor->setObjectName(QStringLiteral("txtAuthor"));
    form->addRow(QStringLiteral("&Description:"), txtDescription);
    form->addRow(QStringLiteral("&Author:"), txtAuthor);
    connect(txtDescription, &QPlainTextEdit::textChanged, this,
            [this] { done(m_draft.SetDescription(txtDescription->toPlainText())); });
    connect(txtAuthor, &QLineEdit::textEdited, this,
            [this](const QString& text) { done(m_draft.SetAuthor(text)); });
}

void BoardPropertiesPane::Show() {
    const QSignalBlocker a(txtDescription), b(txtAuthor);
    setText(txtDescription, m_draft.Content().description);
    setText(txtAuthor, m_draft.Content().author);
}

// ---- A kind or a difficulty ----

GroupPane::GroupPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent)
    : BoardEditorPane(draft, dialogs, parent) {
    auto* column = new QVBoxLayout(this);
    lblGroup = WindowChrome::MakeLabel(this, "lblGroup");
    lblGroup->setWordWrap(true);
    cmdAdd = makeButton(this, "cmdAdd", QString());
    column->addWidget(lblGroup);
    column->addWidget(cmdAdd, 0, Qt::AlignLeft);
    column->addStretch();
    connect(cmdAdd, &QPushButton::clicked, this, &GroupPane::cmdAdd_Click);
}

void GroupPane::Show(int code) {
    m_code = code;
    const BoardContent& c = m_draft.Content();
    int count = 0;
    if (code > 0) {
        for (const BoardCategory& category : c.categories)
            count += category.kind == code;
        lblGroup->setText(QStringLiteral("Question squares \"%1\": %2 categories.")
                              .arg(c.questionKinds.value(code))
                              .arg(count));
        cmdAdd->setText(QStringLiteral("Add &category"));
    } else {
        for (const BoardWord& word : c.words)
            count += word.level == code;
        lblGroup->setText(QStringLiteral("Spelling squares \"%1\": %2 words.")
                              .arg(c.spellingCaptions.value(code))
                              .arg(count));
        cmdAdd->setText(QStringLiteral("Add &word"));
    }
}

void GroupPane::cmdAdd_Click() {
    m_draft.SealEdit();
    const bool word = m_code < 0;
    const int index = word ? m_draft.AddWord(m_code, QString(), QString())
                           : m_draft.AddCategory(m_code, QStringLiteral("New category"));
    if (index < 0)
        return;
    done(true, true);
    emit Added(word, index);
}

// ---- A category ----

CategoryPane::CategoryPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent)
    : BoardEditorPane(draft, dialogs, parent) {
    QFormLayout* form = topForm();
    txtCategoryName = new QLineEdit(this);
    txtCategoryName->setObjectName(QStringLiteral("txtCategoryName"));
    txtTip = new QPlainTextEdit(this);
    txtTip->setObjectName(QStringLiteral("txtTip"));
    txtTip->setTabChangesFocus(true);
    txtTip->setMaximumHeight(120);
    cboKind = new QComboBox(this);
    cboKind->setObjectName(QStringLiteral("cboKind"));
    auto* buttons = new QHBoxLayout;
    cmdAddQuestion = makeButton(this, "cmdAddQuestion", QStringLiteral("Add &question"));
    cmdRemoveCategory = makeButton(this, "cmdRemoveCategory", QStringLiteral("Remove category"));
    buttons->addWidget(cmdAddQuestion);
    buttons->addWidget(cmdRemoveCategory);
    buttons->addStretch();
    form->addRow(QStringLiteral("&Name:"), txtCategoryName);
    form->addRow(QStringLiteral("&Tip:"), txtTip);
    form->addRow(QStringLiteral("&Square kind:"), cboKind);
    form->addRow(buttons);
    connect(txtCategoryName, &QLineEdit::textEdited, this,
            [this](const QString& text) { done(m_draft.RenameCategory(m_category, text)); });
    connect(txtTip, &QPlainTextEdit::textChanged, this,
            [this] { done(m_draft.SetCategoryTip(m_category, txtTip->toPlainText())); });
    connect(cboKind, &QComboBox::activated, this, [this] {
        done(m_draft.SetCategoryKind(m_category, cboKind->currentData().toInt()), true);
    });
    connect(cmdAddQuestion, &QPushButton::clicked, this, [this] {
        m_draft.SealEdit();
        const int question = m_draft.AddQuestion(m_category);
        if (question < 0)
            return;
        done(true, true);
        emit QuestionAdded(m_category, question);
    });
    connect(cmdRemoveCategory, &QPushButton::clicked, this, [this] {
        m_draft.SealEdit();
        done(m_draft.RemoveCategory(m_category), true);
    });
}

void CategoryPane::Show(int category) {
    m_category = category;
    if (!validCategory(m_draft, category))
        return;
    const BoardCategory& c = m_draft.Content().categories[category];
    const QSignalBlocker a(txtCategoryName), b(txtTip), k(cboKind);
    setText(txtCategoryName, c.name);
    setText(txtTip, c.tip);
    cboKind->clear();
    for (auto it = m_draft.Content().questionKinds.cbegin();
         it != m_draft.Content().questionKinds.cend(); ++it)
        cboKind->addItem(it.value(), it.key());
    cboKind->setCurrentIndex(cboKind->findData(c.kind));
}

// ---- A question ----

QuestionPane::QuestionPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent)
    : BoardEditorPane(draft, dialogs, parent) {
    QFormLayout* form = topForm();
    txtQuestion = new QPlainTextEdit(this);
    txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    txtQuestion->setTabChangesFocus(true);
    txtQuestion->setMaximumHeight(90);
    form->addRow(QStringLiteral("&Question:"), txtQuestion);

    auto* pictureRow = new QHBoxLayout;
    imgQuestion = makePreview(this, QStringLiteral("imgQuestion"), kPreview);
    cmdQuestionPicture = makeButton(this, "cmdQuestionPicture", QStringLiteral("P&icture..."));
    cmdClearQuestionPicture =
        makeButton(this, "cmdClearQuestionPicture", QStringLiteral("No picture"));
    pictureRow->addWidget(imgQuestion);
    pictureRow->addWidget(cmdQuestionPicture);
    pictureRow->addWidget(cmdClearQuestionPicture);
    pictureRow->addStretch();
    form->addRow(QStringLiteral("Picture:"), pictureRow);
    cboQuestionLevel = levelBox("cboQuestionLevel");
    form->addRow(QStringLiteral("&Level:"), cboQuestionLevel);

    auto* answers = new QGridLayout;
    for (int i = 0; i < kMostAnswers; ++i) {
        const QString n = QString::number(i + 1);
        auto* right = new QRadioButton(QStringLiteral("Right"), this);
        right->setObjectName(QStringLiteral("optRight_%1").arg(i));
        right->setAccessibleName(QStringLiteral("Choice %1 is the right answer").arg(n));
        auto* text = new QLineEdit(this);
        text->setObjectName(QStringLiteral("txtAnswer_%1").arg(i));
        text->setAccessibleName(QStringLiteral("Choice %1").arg(n));
        QLabel* preview = makePreview(this, QStringLiteral("imgAnswer_%1").arg(i), kAnswerPreview);
        auto* picture = new QPushButton(QStringLiteral("Picture..."), this);
        picture->setObjectName(QStringLiteral("cmdAnswerPicture_%1").arg(i));
        picture->setAccessibleName(QStringLiteral("Picture of choice %1").arg(n));
        auto* remove = new QPushButton(QStringLiteral("Remove"), this);
        remove->setObjectName(QStringLiteral("cmdRemoveAnswer_%1").arg(i));
        remove->setAccessibleName(QStringLiteral("Remove choice %1").arg(n));
        auto* number = new QLabel(n + QLatin1Char('.'), this);
        numbers << number;
        answers->addWidget(number, i, 0);
        answers->addWidget(text, i, 1);
        answers->addWidget(right, i, 2);
        answers->addWidget(preview, i, 3);
        answers->addWidget(picture, i, 4);
        answers->addWidget(remove, i, 5);
        optRight << right;
        txtAnswer << text;
        imgAnswer << preview;
        cmdAnswerPicture << picture;
        cmdRemoveAnswer << remove;
        connect(text, &QLineEdit::textEdited, this, [this, i](const QString& value) {
            done(m_draft.SetAnswerText(m_category, m_question, i, value));
        });
        connect(right, &QRadioButton::clicked, this, [this, i] {
            m_draft.SealEdit();
            done(m_draft.SetRightAnswer(m_category, m_question, i));
        });
        connect(picture, &QPushButton::clicked, this, [this, i] {
            const QByteArray jpeg = choosePicture();
            if (!jpeg.isEmpty()) {
                m_draft.SealEdit();
                done(m_draft.SetAnswerPicture(m_category, m_question, i, jpeg));
                Show(m_category, m_question);
            }
        });
        connect(remove, &QPushButton::clicked, this, [this, i] {
            m_draft.SealEdit();
            done(m_draft.RemoveAnswer(m_category, m_question, i));
            Show(m_category, m_question);
        });
    }
    form->addRow(QStringLiteral("Choices:"), answers);
    auto* buttons = new QHBoxLayout;
    cmdAddAnswer = makeButton(this, "cmdAddAnswer", QStringLiteral("Add c&hoice"));
    cmdRemoveQuestion = makeButton(this, "cmdRemoveQuestion", QStringLiteral("Remove question"));
    buttons->addWidget(cmdAddAnswer);
    buttons->addWidget(cmdRemoveQuestion);
    buttons->addStretch();
    form->addRow(buttons);

    connect(txtQuestion, &QPlainTextEdit::textChanged, this, [this] {
        done(m_draft.SetQuestionText(m_category, m_question, txtQuestion->toPlainText()));
    });
    connect(cboQuestionLevel, &QComboBox::activated, this, [this] {
        m_draft.SealEdit();
        done(m_draft.SetQuestionLevel(m_category, m_question,
                                      ItemLevel(cboQuestionLevel->currentData().toInt())));
    });
    connect(cmdQuestionPicture, &QPushButton::clicked, this, [this] {
        const QByteArray jpeg = choosePicture();
        if (!jpeg.isEmpty()) {
            m_draft.SealEdit();
            done(m_draft.SetQuestionPicture(m_category, m_question, jpeg));
            Show(m_category, m_question);
        }
    });
    connect(cmdClearQuestionPicture, &QPushButton::clicked, this, [this] {
        m_draft.SealEdit();
        done(m_draft.SetQuestionPicture(m_category, m_question, QByteArray()));
        Show(m_category, m_question);
    });
    connect(cmdAddAnswer, &QPushButton::clicked, this, [this] {
        m_draft.SealEdit();
        const int added = m_draft.AddAnswer(m_category, m_question);
        done(added >= 0);
        Show(m_category, m_question);
        if (added >= 0)
            txtAnswer[added]->setFocus();
    });
    connect(cmdRemoveQuestion, &QPushButton::clicked, this, [this] {
        m_draft.SealEdit();
        done(m_draft.RemoveQuestion(m_category, m_question), true);
    });
}

void QuestionPane::Show(int category, int question) {
    m_category = category;
    m_question = question;
    if (!validCategory(m_draft, category) ||
        question >= m_draft.Content().categories[category].questions.size() || question < 0)
        return;
    const BoardQuestion& q = m_draft.Content().categories[category].questions[question];
    const QSignalBlocker b(txtQuestion);
    setText(txtQuestion, q.text);
    showPicture(imgQuestion, q.picture);
    cmdClearQuestionPicture->setEnabled(!q.picture.isEmpty());
    cboQuestionLevel->setCurrentIndex(cboQuestionLevel->findData(int(q.itemLevel)));
    const int count = int(q.answers.size());
    for (int i = 0; i < kMostAnswers; ++i) {
        const bool shown = i < count;
        for (QWidget* w :
             std::initializer_list<QWidget*>{numbers[i], optRight[i], txtAnswer[i], imgAnswer[i],
                                             cmdAnswerPicture[i], cmdRemoveAnswer[i]})
            w->setVisible(shown);
        if (!shown)
            continue;
        setText(txtAnswer[i], q.answers[i].text);
        optRight[i]->setChecked(q.answers[i].right);
        showPicture(imgAnswer[i], q.answers[i].picture);
        cmdRemoveAnswer[i]->setEnabled(count > 2);
    }
    cmdAddAnswer->setEnabled(count < kMostAnswers);
}

// ---- A spelling word ----

WordPane::WordPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent)
    : BoardEditorPane(draft, dialogs, parent) {
    QFormLayout* form = topForm();
    txtWord = new QLineEdit(this);
    txtWord->setObjectName(QStringLiteral("txtWord"));
    txtWordDefinition = new QPlainTextEdit(this);
    txtWordDefinition->setObjectName(QStringLiteral("txtWordDefinition"));
    txtWordDefinition->setAccessibleName(QStringLiteral("Definition"));
    txtWordDefinition->setTabChangesFocus(true);
    txtWordDefinition->setMaximumHeight(80);
    cboWordLevel = levelBox("cboWordLevel");
    cboDifficulty = new QComboBox(this);
    cboDifficulty->setObjectName(QStringLiteral("cboDifficulty"));
    cboDifficulty->addItem(QStringLiteral("Easy"), -1);
    cboDifficulty->addItem(QStringLiteral("Medium"), -2);
    cboDifficulty->addItem(QStringLiteral("Hard"), -3);
    auto* pictureRow = new QHBoxLayout;
    imgWord = makePreview(this, QStringLiteral("imgWord"), kPreview);
    cmdWordPicture = makeButton(this, "cmdWordPicture", QStringLiteral("P&icture..."));
    cmdClearWordPicture = makeButton(this, "cmdClearWordPicture", QStringLiteral("No picture"));
    pictureRow->addWidget(imgWord);
    pictureRow->addWidget(cmdWordPicture);
    pictureRow->addWidget(cmdClearWordPicture);
    pictureRow->addStretch();
    pronunciation = new PronunciationPanel(draft, dialogs, this);
    cmdRemoveWord = makeButton(this, "cmdRemoveWord", QStringLiteral("Remove word"));
    form->addRow(QStringLiteral("&Word:"), txtWord);
    form->addRow(QStringLiteral("D&efinition:"), txtWordDefinition);
    form->addRow(QStringLiteral("&Level:"), cboWordLevel);
    form->addRow(QStringLiteral("Diffi&culty:"), cboDifficulty);
    form->addRow(QStringLiteral("Picture:"), pictureRow);
    form->addRow(QStringLiteral("Pronunciation:"), pronunciation);
    auto* removeRow = new QHBoxLayout;
    removeRow->addWidget(cmdRemoveWord);
    removeRow->addStretch();
    form->addRow(removeRow);

    connect(txtWord, &QLineEdit::textEdited, this,
            [this](const QString& text) { done(m_draft.SetWordText(m_word, text)); });
    connect(txtWordDefinition, &QPlainTextEdit::textChanged, this,
            [this] { done(m_draft.SetWordDefinition(m_word, txtWordDefinition->toPlainText())); });
    connect(cboWordLevel, &QComboBox::activated, this, [this] {
        m_draft.SealEdit();
        done(m_draft.SetWordLevel(m_word, ItemLevel(cboWordLevel->currentData().toInt())));
    });
    connect(cboDifficulty, &QComboBox::activated, this, [this] {
        m_draft.SealEdit();
        done(m_draft.SetWordDifficulty(m_word, cboDifficulty->currentData().toInt()), true);
    });
    connect(cmdWordPicture, &QPushButton::clicked, this, [this] {
        const QByteArray jpeg = choosePicture();
        if (!jpeg.isEmpty()) {
            m_draft.SealEdit();
            done(m_draft.SetWordPicture(m_word, jpeg));
            Show(m_word);
        }
    });
    connect(cmdClearWordPicture, &QPushButton::clicked, this, [this] {
        m_draft.SealEdit();
        done(m_draft.SetWordPicture(m_word, QByteArray()));
        Show(m_word);
    });
    connect(cmdRemoveWord, &QPushButton::clicked, this, [this] {
        m_draft.SealEdit();
        done(m_draft.RemoveWord(m_word), true);
    });
    connect(pronunciation, &PronunciationPanel::Edited, this, [this] { done(true); });
}

void WordPane::Show(int word) {
    m_word = word;
    pronunciation->ShowWord(validWord(m_draft, word) ? word : -1);
    if (!validWord(m_draft, word))
        return;
    const BoardWord& w = m_draft.Content().words[word];
    const QSignalBlocker b(txtWordDefinition);
    setText(txtWord, w.word);
    setText(txtWordDefinition, w.definition);
    cboWordLevel->setCurrentIndex(cboWordLevel->findData(int(w.itemLevel)));
    cboDifficulty->setCurrentIndex(cboDifficulty->findData(w.level));
    showPicture(imgWord, w.picture);
    cmdClearWordPicture->setEnabled(!w.picture.isEmpty());
}
