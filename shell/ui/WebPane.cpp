#include "shell/ui/WebPane.h"

#include "shell/AppSettings.h"
#include "shell/Logging.h"
#include "shell/WebAccess.h"
#include "shell/WebAddresses.h"
#include "shell/ui/WebLinks.h"

#include <QDate>
#include <QStringDecoder>
#include <QTimer>

#include <iterator>

namespace {

// The program's own pages, in the table's look: cream paper, a brown heading.
const char* const kPageStyle = "background:#f4eacb; color:#333333; font-family:'DejaVu Sans';";

QString OwnPage(const QString& title, const QString& heading, const QString& text) {
    QString html = QStringLiteral("<html><head><title>%1</title></head><body style=\"%2\">")
                       .arg(title.toHtmlEscaped(), QLatin1String(kPageStyle));
    if (!heading.isEmpty()) {
        html += QStringLiteral("<table width='100%'><tr><td align='center'>"
                               "<b style='font-size:14pt; color:#7a3b00;'>%1</b><br/>"
                               "<span>%2</span></td></tr></table>")
                    .arg(heading.toHtmlEscaped(), text.toHtmlEscaped());
    }
    return html + QStringLiteral("</body></html>");
}

QString OffLinePage() {
    return OwnPage(QStringLiteral("Mordaventa"), QStringLiteral("Mordaventa"),
                   QStringLiteral("Vantorell, the letter-card solitaire, and the spelling and "
                                  "grammar board game. Have fun with words!"));
}

// A few tips for the start-up window; the day of the year picks one, so a
// family sees a new one each day.
QString TipOfTheDay(const QDate& day) {
    static const char* const tips[] = {
        "Lay the top discard on a pile by dragging it there, or press the pile's number "
        "and Enter.",
        "With the wizard on, the hint list shows the words your pile can still become.",
        "A star card stands for any letter you need.",
        "Longer words score more: try a game with words of six or seven letters.",
        "In the board game, Shift+F11 reads the question aloud and Shift+F12 its tip.",
        "Press L during a solitaire to see which letters are still to come.",
        "Each player keeps their own results: log in with your own nick name.",
        "Stuck on a spelling? Listen to the word again with the sound button."};
    return QString::fromLatin1(tips[day.dayOfYear() % int(std::size(tips))]);
}

// The start-up window's pane has room for the game's picture and the tip of
// the day; the banners keep the one-line page.
constexpr int kRoomForTipHeight = 150;

QString OffLinePageWithTip(const QDate& day) {
    return QStringLiteral(
               "<html><head><title>Mordaventa</title></head><body style=\"%1\">"
               "<table width='100%' cellpadding='8'><tr>"
               "<td width='80' valign='middle'><img src=':/pictures/133.png'/></td>"
               "<td valign='middle'><b style='font-size:14pt; color:#7a3b00;'>Mordaventa</b>"
               "<p>Vantorell, the letter-card solitaire, and the spelling and grammar board "
               "game.</p><p><b>Tip of the day:</b> %2</p></td></tr></table></body></html>")
        .arg(QLatin1String(kPageStyle), TipOfTheDay(day).toHtmlEscaped());
}

QString CannotFindServerPage() {
    return OwnPage(QStringLiteral("Cannot find server"), QStringLiteral("Cannot find server"),
                   QStringLiteral("The page could not be reached just now."));
}

} // namespace

WebPane::WebPane(QWidget* parent, WebAccess* access)
    : QTextBrowser(parent), m_access(access ? access : &WebAccess::Default()) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimerNavigate"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(WebPaneLook::kNavigateTimeoutMs);
    connect(m_timer, &QTimer::timeout, this, &WebPane::TimerNavigate_Timer);
    connect(this, &QTextBrowser::anchorClicked, this, &WebPane::OpenLink);
}

WebPane::~WebPane() = default;

void WebPane::Navigate(const QString& address) {
    m_request.reset();
    m_timer->stop();
    const quint64 generation = ++m_generation;
    if (WebAddresses::IsLocalPage(address)) {
        ShowLocalPage(address);
        return;
    }
    // With no web site configured nothing at all goes to a network.
    if (AppSettings::VendorBaseAddress().isEmpty()) {
        Failed(address, QStringLiteral("no web site is configured"));
        return;
    }
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        Failed(address, QStringLiteral("not a web address"));
        return;
    }
    m_pending = address;
    m_request = m_access->Get(url, [this, generation](const WebAnswer& answer) {
        if (generation == m_generation)
            Answered(answer);
    });
    m_timer->start();
}

void WebPane::TimerNavigate_Timer() {
    if (!m_request)
        return;
    m_request.reset();
    Failed(m_pending, QStringLiteral("the site did not answer in time"));
}

void WebPane::Answered(const WebAnswer& answer) {
    m_timer->stop();
    // The request object delivered this answer: let it go once it has returned.
    if (WebRequest* finished = m_request.release())
        QTimer::singleShot(0, [finished] { delete finished; });
    const QString address = m_pending;
    if (!answer.Ok()) {
        Failed(address, answer.error);
        return;
    }
    if (answer.body.size() > WebLimits::kMaxBodyBytes) {
        Failed(address, QStringLiteral("the page is too large"));
        return;
    }
    const QString type = answer.contentType.toLower();
    QString html;
    if (type.isEmpty() || type.contains(QLatin1String("html")) ||
        type.contains(QLatin1String("xml"))) {
        QStringDecoder decoder = QStringDecoder::decoderForHtml(answer.body);
        if (!decoder.isValid())
            decoder = QStringDecoder(QStringDecoder::Utf8);
        html = decoder.decode(answer.body);
    } else if (type.startsWith(QLatin1String("text/"))) {
        html = QStringLiteral("<pre>") + QString::fromUtf8(answer.body).toHtmlEscaped() +
               QStringLiteral("</pre>");
    } else {
        Failed(address, QStringLiteral("not a page"));
        return;
    }
    setHtml(html);
    m_html.clear(); // a fetched page is never taken for one of ours
    m_title = document()->metaInformation(QTextDocument::DocumentTitle);
    // A redirected page is known by where it ended; otherwise the address
    // stays exactly as it was asked for.
    const bool redirected = answer.url.isValid() && answer.url != QUrl(address, QUrl::TolerantMode);
    m_address = redirected ? answer.url.toString() : address;
    emit DocumentComplete(m_address);
}

void WebPane::Failed(const QString& address, const QString& reason) {
    qCDebug(lcMordaventa) << "navigation failed:" << address << reason;
    bool cancel = false;
    emit NavigateError(address, reason, &cancel);
    if (!cancel)
        ShowPage(address, QStringLiteral("Cannot find server"), CannotFindServerPage());
}

void WebPane::ShowLocalPage(const QString& address) {
    if (address.compare(WebAddresses::kOffLinePage, Qt::CaseInsensitive) == 0)
        ShowPage(address, QStringLiteral("Mordaventa"),
                 height() >= kRoomForTipHeight ? OffLinePageWithTip(QDate::currentDate())
                                               : OffLinePage());
    else
        ShowPage(address, QString(), OwnPage(QString(), QString(), QString()));
}

void WebPane::ShowPage(const QString& address, const QString& title, const QString& html) {
    // The table's banner shows the off-line page, then again when it finds no
    // web site: the same page is not laid out twice.
    if (html != m_html) {
        setHtml(html);
        m_html = html;
    }
    m_title = title;
    m_address = address;
    emit DocumentComplete(address);
}

QVariant WebPane::loadResource(int, const QUrl&) {
    // A page may name pictures or style sheets anywhere, the local disk
    // included: the pane fetches none of them.
    return QVariant();
}

void WebPane::OpenLink(const QUrl& link) {
    const QUrl target = QUrl(m_address, QUrl::TolerantMode).resolved(link);
    const QString scheme = target.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        WebLinks::OpenExternal(target);
}
