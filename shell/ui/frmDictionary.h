#pragma once
// The dictionary window: a word's meanings from the word book on this
// computer (WordNet), the vendor's web dictionary page for it when a web site
// is configured and the page arrived, and the side banner. Not modal: the
// player goes on playing while it is open.
#include <QString>
#include <QWidget>

class BannerRotation;
class QLabel;
class QTextBrowser;
class WebAccess;
class WebPane;

class frmDictionary : public QWidget {
    Q_OBJECT
public:
    explicit frmDictionary(QWidget* owner = nullptr, WebAccess* access = nullptr);

    // Looks `word` up in the owner's dictionary window (opened when it has
    // none) and shows the window without making it modal. The word lists'
    // double clicks and "Net Dictionary" call this with the selected text.
    static frmDictionary* LookUp(QWidget* owner, const QString& word, WebAccess* access = nullptr);

    // Shows the word's meanings and sends the lookup pane to its web page.
    void LookUpWord(const QString& word);
    QString Word() const { return m_word; }

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* lblWord = nullptr;
    WebPane* WebBrowser1 = nullptr;     // side banner
    WebPane* WebBrowser2 = nullptr;     // the web dictionary's page
    QTextBrowser* txtMeaning = nullptr; // meanings from the word book

    void WebBrowser2_DocumentComplete(const QString& address);

private:
    void ShowMeanings(const QString& word);
    void LayOut();

    BannerRotation* m_sideBanner = nullptr;
    QString m_word;
};
