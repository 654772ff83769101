#include "shell/ui/frmDictionary.h"

#include "shell/AppSettings.h"
#include "shell/WebAddresses.h"
#include "shell/WordDefinitions.h"
#include "shell/ui/BannerRotation.h"
#include "shell/ui/WebPane.h"
#include "shell/ui/WebWindowsLook.h"
#include "shell/ui/WindowChrome.h"

#include <QLabel>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>

using namespace WebWindowsLook;

frmDictionary::frmDictionary(QWidget* owner, WebAccess* access) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmDictionary"));
    setWindowTitle(QStringLiteral("Dictionary"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kDictionarySize);
    WindowChrome::SetBackground(this, Paper());

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionStrip(this, QStringLiteral("Dictionary"), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    lblFormCaption->setContentsMargins(kMargin, 0, 0, 0);
    WindowChrome::SetBackground(lblFormCaption, Paper());
    lblClose->raise();
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QWidget::close);

    WebBrowser1 = new WebPane(this, access);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    m_sideBanner = new BannerRotation(WebBrowser1, BannerRotation::Kind::Side);

    lblWord = WindowChrome::MakeLabel(this, "lblWord");
    QFont wordFont = lblWord->font();
    wordFont.setBold(true);
    wordFont.setPointSize(kWordPointSize);
    lblWord->setFont(wordFont);
    lblWord->setTextFormat(Qt::PlainText);
    QPalette heading = lblWord->palette();
    heading.setColor(QPalette::WindowText, Heading());
    lblWord->setPalette(heading);

    txtMeaning = new QTextBrowser(this);
    txtMeaning->setObjectName(QStringLiteral("txtMeaning"));
    txtMeaning->setOpenLinks(false);

    WebBrowser2 = new WebPane(this, access);
    WebBrowser2->setObjectName(QStringLiteral("WebBrowser2"));
    WebBrowser2->hide(); // until a web page arrives
    connect(WebBrowser2, &WebPane::DocumentComplete, this,
            &frmDictionary::WebBrowser2_DocumentComplete);
    connect(WebBrowser2, &WebPane::NavigateError, this,
            [this](const QString&, const QString&, bool* cancel) {
                *cancel = true;
                WebBrowser2->Navigate(WebAddresses::kOffLinePage);
            });

    WebBrowser1->Navigate(WebAddresses::kBlankPage);
    WindowChrome::MakeFrameless(this);
    LayOut();
}

frmDictionary* frmDictionary::LookUp(QWidget* owner, const QString& word, WebAccess* access) {
    frmDictionary* window =
        owner ? owner->findChild<frmDictionary*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        window = new frmDictionary(owner, access);
        // A frameless window gets no place from the window manager: it
        // opens over the middle of the window the word came from.
        if (owner)
            window->move(owner->window()->frameGeometry().center() - window->rect().center());
    }
    window->LookUpWord(word);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void frmDictionary::LookUpWord(const QString& word) {
    m_word = word;
    lblFormCaption->setText(QStringLiteral("Dictionary - ") + word);
    lblWord->setText(word);
    ShowMeanings(word);
    // The word goes to the web dictionary as it is, not encoded.
    WebBrowser2->Navigate(WebAddresses::LookupAddress(AppSettings::VendorBaseAddress(), word));
}

void frmDictionary::WebBrowser2_DocumentComplete(const QString& address) {
    // The web page shares the window with the meanings only when it is one;
    // the program's own pages would add nothing.
    const bool webPage = !WebAddresses::IsLocalPage(address) &&
                         WebBrowser2->LocationName().toLower() != WebAddresses::kCannotFindServer;
    if (WebBrowser2->isVisibleTo(this) != webPage) {
        WebBrowser2->setVisible(webPage);
        LayOut();
    }
    m_sideBanner->RunAds();
}

void frmDictionary::LayOut() {
    const int top = kCaptionHeight + kMargin / 2;
    const int bottom = height() - kMargin;
    WebBrowser1->setGeometry(kMargin, top, kSideBannerWidth, bottom - top);
    const int left = kMargin * 2 + kSideBannerWidth;
    const int right = width() - kMargin;
    lblWord->setGeometry(left, top, right - left, 30);
    const int contentTop = top + 34;
    if (WebBrowser2->isVisibleTo(this)) {
        const int split = contentTop + (bottom - contentTop) * 2 / 5;
        txtMeaning->setGeometry(left, contentTop, right - left, split - contentTop);
        WebBrowser2->setGeometry(left, split + kMargin / 2, right - left,
                                 bottom - split - kMargin / 2);
    } else {
        txtMeaning->setGeometry(left, contentTop, right - left, bottom - contentTop);
    }
}

void frmDictionary::ShowMeanings(const QString& word) {
    // Built through a cursor from plain strings: nothing the word or the
    // word book holds is read as markup.
    QTextDocument* document = txtMeaning->document();
    document->clear();
    QTextCursor cursor(document);
    QTextCharFormat plain;
    QTextCharFormat part;
    part.setFontItalic(true);
    part.setFontWeight(QFont::Bold);
    part.setForeground(Heading());
    QTextCharFormat example;
    example.setFontItalic(true);
    example.setForeground(ExampleColour());
    QTextBlockFormat block;
    QTextBlockFormat indented;
    indented.setLeftMargin(18);
    QTextBlockFormat exampleBlock;
    exampleBlock.setLeftMargin(36);

    const QList<WordMeaning> meanings = WordDefinitions::Look(word, kSensesShown);
    bool first = true;
    auto newBlock = [&](const QTextBlockFormat& format) {
        if (first)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        first = false;
    };
    if (meanings.isEmpty()) {
        newBlock(block);
        const QString text =
            WordDefinitions::Available()
                ? QStringLiteral("No definition found for \"%1\". Check the spelling, or try "
                                 "another form of the word.")
                      .arg(word)
                : QStringLiteral("The word book of this computer is not installed (Debian "
                                 "package wordnet-base), so no definition can be shown.");
        cursor.insertText(text, plain);
        return;
    }
    for (const WordMeaning& meaning : meanings) {
        newBlock(block);
        QString heading = meaning.partOfSpeech;
        if (meaning.lemma.compare(word.trimmed(), Qt::CaseInsensitive) != 0)
            heading += QStringLiteral(" (") + meaning.lemma + QStringLiteral(")");
        cursor.insertText(heading, part);
        int number = 1;
        for (const WordSense& sense : meaning.senses) {
            newBlock(indented);
            cursor.insertText(QStringLiteral("%1. ").arg(number++) + sense.definition, plain);
            for (const QString& text : sense.examples.mid(0, kExamplesShown)) {
                newBlock(exampleBlock);
                cursor.insertText(QStringLiteral("\u201C") + text + QStringLiteral("\u201D"),
                                  example);
            }
        }
    }
    txtMeaning->moveCursor(QTextCursor::Start);
}
