#include "shell/ui/WindowChrome.h"

#include <QAbstractButton>
#include <QBitmap>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QWindow>

#include "shell/ui/ResPictures.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace WindowChrome {

namespace {

const char* const kPointerProperty = "mordaventaPointer";

// Renews the rounded outline whenever the window changes size.
class RoundedOutline : public QObject {
public:
    RoundedOutline(QWidget* window, int ellipse) : QObject(window), m_ellipse(ellipse) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            ApplyRoundedRegion(static_cast<QWidget*>(watched), m_ellipse);
        return false;
    }

private:
    int m_ellipse;
};

// The caption moves its window while the left button is held. The platform
// moves it where it can (startSystemMove); where it cannot (offscreen, some
// X11 setups) the window follows the mouse by hand.
class CaptionDrag : public QObject {
public:
    explicit CaptionDrag(QLabel* caption) : QObject(caption), m_caption(caption) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() != Qt::LeftButton)
                break;
            SetPointer(m_caption, ResId::PointerMove);
            QWidget* window = m_caption->window();
            m_manual = false;
            QWindow* handle = window->windowHandle();
            if (!handle || !handle->startSystemMove()) {
                m_manual = true;
                m_pressGlobal = me->globalPosition().toPoint();
                m_windowStart = window->pos();
            }
            break;
        }
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->buttons() == Qt::NoButton) {
                SetPointer(m_caption, ResId::PointerNormal);
            } else if (m_manual && (me->buttons() & Qt::LeftButton)) {
                const QPoint delta = me->globalPosition().toPoint() - m_pressGlobal;
                m_caption->window()->move(m_windowStart + delta);
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            SetPointer(m_caption, ResId::PointerNormal);
            m_manual = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    QLabel* m_caption;
    bool m_manual = false;
    QPoint m_pressGlobal;
    QPoint m_windowStart;
};

// On a move: pointer 147 while the left button is held inside the control,
// 145 otherwise.
void FollowPressedPointer(QWidget* control, const QMouseEvent* me) {
    const bool inside = control->rect().contains(me->position().toPoint());
    SetPointer(control, inside && (me->buttons() & Qt::LeftButton) ? ResId::PointerPressed
                                                                   : ResId::PointerNormal);
}

// Push buttons: pointer 147 while pressed inside, 145 otherwise.
class PressPointer : public QObject {
public:
    explicit PressPointer(QWidget* control) : QObject(control), m_control(control) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                SetPointer(m_control, ResId::PointerPressed);
            break;
        case QEvent::MouseMove:
            FollowPressedPointer(m_control, static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseButtonRelease:
            SetPointer(m_control, ResId::PointerNormal);
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* m_control;
};

// Object names that say little to a listener, by their name without an
// array index.
const std::pair<const char*, const char*> kSpokenNames[] = {
    {"picGame", "Card table"},
    {"cmdDeck", "Deck"},
    {"lstWizard", "Wizard hints"},
    {"lstWords", "Words built"},
    {"FlexGrid", "Saved games"},
    {"WebBrowser1", "Advertisement"},
    {"sldMusic", "Music volume"},
    {"sldSound", "Sound volume"},
    {"cmdSpeekQuestion", "Speak the question"},
    {"cmdSpeekTip", "Speak the tip"},
    {"cmdSelect", "Speak the answer"},
    {"Image1", "Mordaventa"},
};

// The text a control shows of itself, which a screen reader says already.
bool ShowsOwnText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return !button->text().isEmpty();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return !group->title().isEmpty();
    return false;
}

void NameControls(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->accessibleName().isEmpty() || ShowsOwnText(widget))
            continue;
        const QString name = SpokenName(widget->objectName());
        if (!name.isEmpty())
            widget->setAccessibleName(name);
    }
}

bool IsLabelButton(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) &&
           widget->findChild<LabelButton*>(QString(), Qt::FindDirectChildrenOnly);
}

// The command labels take the focus by Tab only: a window whose focus is not
// yet placed starts on its first other control, as it did before the labels
// took the focus at all (a dialog's default button then takes it as ever).
void FocusFirstControl(QWidget* window) {
    if (window->focusWidget())
        return;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) &&
            w->window() == window && !w->focusProxy() && !IsLabelButton(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// Names the window's controls each time it is shown, and lets Enter press
// the focused button where nothing else takes the key.
class KeyboardAndNames : public QObject {
public:
    explicit KeyboardAndNames(QWidget* window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show) {
            NameControls(m_window);
            FocusFirstControl(m_window);
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(m_window->focusWidget());
        if (!button || !button->isEnabled() || !button->isVisible() || HasDefaultButton())
            return false;
        button->click();
        return true;
    }

private:
    bool HasDefaultButton() const {
        if (!qobject_cast<QDialog*>(m_window))
            return false;
        const auto buttons = m_window->findChildren<QPushButton*>();
        return std::any_of(buttons.cbegin(), buttons.cend(),
                           [](const QPushButton* b) { return b->isDefault() && b->isVisible(); });
    }

    QWidget* m_window;
};

void SetLabelColor(QLabel* label, const QColor& color) {
    // Only the active and inactive groups: a disabled command keeps its grey.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, color);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

QColor ColorFromBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor PressedLabelColor() {
    return QColor(192, 0, 0);
}
QColor ReleasedLabelColor() {
    return QColor(0, 0, 0);
}

void SetPointer(QWidget* widget, int id) {
    if (!widget)
        return;
    if (widget->property(kPointerProperty).toInt() == id && widget->testAttribute(Qt::WA_SetCursor))
        return;
    widget->setProperty(kPointerProperty, id);
    widget->setCursor(ResCursor(id));
}

int CurrentPointer(const QWidget* widget) {
    return widget ? widget->property(kPointerProperty).toInt() : 0;
}

void ApplyRoundedRegion(QWidget* widget, int cornerEllipse) {
    if (!widget || widget->width() <= 0 || widget->height() <= 0)
        return;
    // Every card of a size has the same outline, and turning a drawing into a
    // region is slow: each outline is drawn once. A window dragged through
    // many sizes starts the store afresh rather than growing it.
    static std::map<std::tuple<int, int, int>, QRegion> outlines;
    const QSize size = widget->size();
    const auto key = std::make_tuple(size.width(), size.height(), cornerEllipse);
    auto found = outlines.find(key);
    if (found == outlines.end()) {
        if (outlines.size() >= 64)
            outlines.clear();
        // A corner ellipse of e by e pixels is a corner radius of e / 2. Drawn
        // without anti-aliasing into a one-bit mask, so the outline is exact.
        QBitmap bitmap(size);
        bitmap.fill(Qt::color0);
        {
            QPainter painter(&bitmap);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::color1);
            const qreal radius = cornerEllipse / 2.0;
            painter.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), radius, radius);
        }
        found = outlines.emplace(key, QRegion(bitmap)).first;
    }
    widget->setMask(found->second);
}

void MakeFrameless(QWidget* window, int cornerEllipse) {
    if (!window)
        return;
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    SetPointer(window, ResId::PointerNormal);
    ApplyRoundedRegion(window, cornerEllipse);
    window->installEventFilter(new RoundedOutline(window, cornerEllipse));
    MakeAccessible(window);
}

void MakeAccessible(QWidget* window) {
    if (!window)
        return;
    NameControls(window);
    window->installEventFilter(new KeyboardAndNames(window));
}

QString SpokenName(const QString& objectName) {
    static const QRegularExpression indexed(QStringLiteral("^(.*)_(\\d+)$"));
    QString base = objectName;
    QString number;
    if (const QRegularExpressionMatch m = indexed.match(objectName); m.hasMatch()) {
        base = m.captured(1);
        number = QString::number(m.captured(2).toInt() + 1);
    }
    if (base.isEmpty() || base.startsWith(QLatin1String("qt_")))
        return {};
    QString words;
    for (const auto& [name, spoken] : kSpokenNames) {
        if (base == QLatin1String(name))
            words = QLatin1String(spoken);
    }
    if (words.isEmpty()) {
        // The type prefix (lbl, cmd, chk, opt, txt, lst, cbo, pic, img, sld,
        // shp, fra, ...) is the lower-case start before the first capital.
        qsizetype start = 0;
        while (start < base.size() && base.at(start).isLower())
            ++start;
        if (start == base.size())
            start = 0;
        for (qsizetype i = start; i < base.size(); ++i) {
            const QChar c = base.at(i);
            if (c.isUpper() && i > start && !base.at(i - 1).isUpper())
                words += QLatin1Char(' ');
            words += words.isEmpty() ? c.toUpper() : c.toLower();
        }
    }
    return number.isEmpty() ? words : words + QLatin1Char(' ') + number;
}

void AttachCaption(QLabel* lblFormCaption) {
    if (!lblFormCaption)
        return;
    SetPointer(lblFormCaption, ResId::PointerNormal);
    lblFormCaption->installEventFilter(new CaptionDrag(lblFormCaption));
}

LabelButton* AttachLabelButton(QLabel* label) {
    if (!label)
        return nullptr;
    return new LabelButton(label);
}

QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

void SetBackground(QWidget* widget, const QColor& colour) {
    if (!widget)
        return;
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

CaptionBar AddCaptionBar(QWidget* window, const QString& caption) {
    CaptionBar bar;
    bar.caption = MakeLabel(window, "lblFormCaption", caption);
    AttachCaption(bar.caption);
    bar.close = MakeLabel(window, "lblClose", QStringLiteral("X"));
    bar.closeButton = AttachLabelButton(bar.close);
    return bar;
}

QHBoxLayout* CaptionRow(const CaptionBar& bar) {
    auto* row = new QHBoxLayout;
    row->addWidget(bar.caption, 1);
    row->addWidget(bar.close);
    return row;
}

CaptionBar AddCaptionStrip(QWidget* window, const QString& caption, int height, bool closeLabel) {
    CaptionBar bar;
    if (closeLabel) {
        bar = AddCaptionBar(window, caption);
    } else {
        bar.caption = MakeLabel(window, "lblFormCaption", caption);
        AttachCaption(bar.caption);
    }
    QFont bold = window->font();
    bold.setBold(true);
    bar.caption->setGeometry(0, 0, window->width(), height);
    bar.caption->setFont(bold);
    bar.caption->setAutoFillBackground(true);
    if (!bar.close)
        return bar;
    bar.close->setFont(bold);
    bar.close->setAlignment(Qt::AlignCenter);
    bar.close->setGeometry(window->width() - height - 6, 0, height, height);
    return bar;
}

void AttachPressPointer(QWidget* control) {
    if (!control)
        return;
    control->installEventFilter(new PressPointer(control));
}

LabelButton::LabelButton(QLabel* label) : QObject(label), m_label(label) {
    SetLabelColor(label, ReleasedLabelColor());
    // Reached by Tab and pressed by Enter or Space like any button.
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(this);
}

QLabel* LabelButton::label() const {
    return m_label;
}

bool LabelButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_label)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton)
            break;
        m_pressed = true;
        SetLabelColor(m_label, PressedLabelColor());
        SetPointer(m_label, ResId::PointerPressed);
        break;
    }
    case QEvent::MouseMove:
        FollowPressedPointer(m_label, static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton)
            break;
        const bool wasPressed = m_pressed;
        m_pressed = false;
        SetPointer(m_label, ResId::PointerNormal);
        SetLabelColor(m_label, ReleasedLabelColor());
        if (wasPressed && m_label->rect().contains(me->position().toPoint())) {
            // The command may close and destroy the window, this label and
            // this object with it: touch nothing afterwards, and keep the
            // event from going on to a label that is gone.
            const QPointer<QLabel> alive(m_label);
            emit clicked();
            return alive.isNull();
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // The focused command is underlined: the keyboard's place shows.
        QFont font = m_label->font();
        font.setUnderline(event->type() == QEvent::FocusIn);
        m_label->setFont(font);
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            break;
        if (!m_label->isEnabled())
            return true;
        emit clicked();
        return true; // as after a click, the label may be gone: touch nothing
    }
    default:
        break;
    }
    return false;
}

} // namespace WindowChrome
