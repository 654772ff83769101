#pragma once
// The board editor: a window of its own where a teacher makes or changes a
// board-game file. The board's items in a tree on the left (question kinds,
// their categories and questions; spelling difficulties and their words), the
// chosen item's pane on the right, what the checks find about it beside the
// pane and the list of all findings one click away. Every edit can be undone;
// closing with unsaved changes asks. The draft (boardgame/BoardDraft.h)
// decides; this window shows.
#include "boardgame/BoardDraft.h"
#include "boardgame/ui/BoardEditorDialogs.h"

#include <QWidget>

class BoardPropertiesPane;
class CategoryPane;
class GroupPane;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenuBar;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QuestionPane;
class WordPane;

class frmBoardEditor : public QWidget {
    Q_OBJECT
public:
    explicit frmBoardEditor(QWidget* owner = nullptr,
                            BoardEditorDialogs dialogs = BoardEditorDialogs::Standard());
    ~frmBoardEditor() override;

    // ---- Where a board comes from (the board-file manager) ----
    // Asks for a name and starts a new board there, in the user's data
    // folder, with the squares and kinds of the default board. Null when
    // cancelled or impossible (the reason has been shown).
    static frmBoardEditor* StartNew(QWidget* owner, const BoardEditorDialogs& dialogs);
    // Opens a board-game file. A shipped file, or the one the game has open,
    // is copied first under a name the user gives.
    static frmBoardEditor* StartEdit(QWidget* owner, const QString& path,
                                     const BoardEditorDialogs& dialogs);

    // The file the game has open: saving over it is refused.
    QString FileInPlay;
    BoardDraft& Draft() { return m_draft; }
    // Shows the draft as it is now (after opening).
    void ShowDraft();
    // Selects an item in the tree and shows its pane.
    void SelectItem(const BoardItemRef& item);

    bool Save();
    bool SaveAs();
    void ExportSource();
    void ImportCsv();
    void Undo();
    void Redo();
    void ToggleFindings();

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QMenuBar* mnuBar = nullptr;
    QAction* actSave = nullptr;
    QAction* actSaveAs = nullptr;
    QAction* actExport = nullptr;
    QAction* actImport = nullptr;
    QAction* actUndo = nullptr;
    QAction* actRedo = nullptr;
    QAction* actFindings = nullptr;
    QTreeWidget* tvwBoard = nullptr;
    QStackedWidget* stkPanes = nullptr;
    BoardPropertiesPane* paneBoard = nullptr;
    GroupPane* paneGroup = nullptr;
    CategoryPane* paneCategory = nullptr;
    QuestionPane* paneQuestion = nullptr;
    WordPane* paneWord = nullptr;
    QListWidget* lstItemFindings = nullptr;
    QPushButton* cmdFindings = nullptr;
    QListWidget* lstFindings = nullptr;

Q_SIGNALS:
    // The board was written to path.
    void Saved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a tree node stands for.
    enum class Node { Board, Kind, Category, Question, Spelling, Word };
    struct NodeRef {
        Node node = Node::Board;
        int a = -1; // kind code, category, difficulty or word
        int b = -1; // question
        friend bool operator==(const NodeRef&, const NodeRef&) = default;
    };
    void buildControls();
    void buildMenus();
    void rebuildTree();
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const NodeRef& ref, const QString& text);
    QTreeWidgetItem* findNode(const NodeRef& ref) const;
    static NodeRef nodeOf(const QTreeWidgetItem* item);
    static NodeRef nodeFor(const BoardItemRef& item);
    static BoardItemRef itemOf(const NodeRef& ref);
    QString label(const NodeRef& ref) const;
    void select(const NodeRef& ref);
    void showPane(const NodeRef& ref);
    void edited(bool structural);
    void refreshFindings();
    void refreshState();
    bool report(const BoardSaveResult& result);

    BoardEditorDialogs m_dialogs;
    BoardDraft m_draft;
    NodeRef m_current;
};
