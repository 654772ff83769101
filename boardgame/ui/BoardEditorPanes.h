#pragma once
// The editing panes of the board editor, one per kind of item: the board's
// description, a category, a question with its choices, a spelling word with
// its pronunciation. Each shows an item of the draft and sends every change
// to the draft as an edit; Edited tells the window (structural: items were
// added, removed or moved, so its tree changes shape).
#include "boardgame/ui/BoardEditorDialogs.h"

#include <QList>
#include <QWidget>

class BoardDraft;
class PronunciationPanel;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class BoardEditorPane : public QWidget {
    Q_OBJECT
public:
    BoardEditorPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent);

Q_SIGNALS:
    void Edited(bool structural);

protected:
    // A picture file made into what a board stores; empty when cancelled or
    // refused (the reason has been shown).
    QByteArray choosePicture();
    static void showPicture(QLabel* box, const QByteArray& jpeg);
    void done(bool changed, bool structural = false);
    QFormLayout* topForm();
    QComboBox* levelBox(const char* name);

    BoardDraft& m_draft;
    const BoardEditorDialogs& m_dialogs;
};

// The board's own texts.
class BoardPropertiesPane : public BoardEditorPane {
    Q_OBJECT
public:
    BoardPropertiesPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent);
    void Show();
    QPlainTextEdit* txtDescription = nullptr;
    QLineEdit* txtAuthor = nullptr;
};

// A question kind or a spelling difficulty: what it holds, and adding to it.
class GroupPane : public BoardEditorPane {
    Q_OBJECT
public:
    GroupPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent);
    // code > 0: a question kind; -1..-3: a spelling difficulty.
    void Show(int code);
    void cmdAdd_Click();
    QLabel* lblGroup = nullptr;
    QPushButton* cmdAdd = nullptr;

Q_SIGNALS:
    // What cmdAdd made: a category (index) or a word (index).
    void Added(bool word, int index);

private:
    int m_code = 0;
};

class CategoryPane : public BoardEditorPane {
    Q_OBJECT
public:
    CategoryPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent);
    void Show(int category);
    QLineEdit* txtCategoryName = nullptr;
    QPlainTextEdit* txtTip = nullptr;
    QComboBox* cboKind = nullptr;
    QPushButton* cmdAddQuestion = nullptr;
    QPushButton* cmdRemoveCategory = nullptr;

Q_SIGNALS:
    void QuestionAdded(int category, int question);

private:
    int m_category = -1;
};

class QuestionPane : public BoardEditorPane {
    Q_OBJECT
public:
    static constexpr int kMostAnswers = 6;
    QuestionPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent);
    void Show(int category, int question);
    QPlainTextEdit* txtQuestion = nullptr;
    QLabel* imgQuestion = nullptr;
    QPushButton* cmdQuestionPicture = nullptr;
    QPushButton* cmdClearQuestionPicture = nullptr;
    QComboBox* cboQuestionLevel = nullptr;
    QList<QRadioButton*> optRight;
    QList<QLineEdit*> txtAnswer;
    QList<QLabel*> imgAnswer;
    QList<QPushButton*> cmdAnswerPicture;
    QList<QPushButton*> cmdRemoveAnswer;
    QPushButton* cmdAddAnswer = nullptr;
    QPushButton* cmdRemoveQuestion = nullptr;

private:
    QList<QLabel*> numbers;
    int m_category = -1;
    int m_question = -1;
};

class WordPane : public BoardEditorPane {
    Q_OBJECT
public:
    WordPane(BoardDraft& draft, const BoardEditorDialogs& dialogs, QWidget* parent);
    void Show(int word);
    QLineEdit* txtWord = nullptr;
    QPlainTextEdit* txtWordDefinition = nullptr;
    QComboBox* cboWordLevel = nullptr;
    QComboBox* cboDifficulty = nullptr;
    QLabel* imgWord = nullptr;
    QPushButton* cmdWordPicture = nullptr;
    QPushButton* cmdClearWordPicture = nullptr;
    QPushButton* cmdRemoveWord = nullptr;
    PronunciationPanel* pronunciation = nullptr;

private:
    int m_word = -1;
};
