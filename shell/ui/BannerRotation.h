#pragma once
// The rotating advertisement banner of a window: each RunAds moves the pane
// one page on (first -> second -> third -> fourth -> first), and a page that
// cannot be had gives way to the window's local page. The table's banner falls
// back to "About:Off-Line", the board's and the dictionary's side banner to
// "About:Blank". With no web site configured every step ends on the local page
// at once and nothing is sent.
#include "shell/WebAddresses.h"

#include <QObject>
#include <QString>

class WebPane;

class BannerRotation : public QObject {
    Q_OBJECT
public:
    enum class Kind { Table, Board, Side };
    // Watches the pane's failed navigations for as long as both live.
    BannerRotation(WebPane* pane, Kind kind);

    // One step of the rotation.
    void RunAds();
    // The local page this banner falls back to.
    QString FallbackPage() const;

private:
    void NavigateError(bool* cancel);

    WebPane* m_pane;
    Kind m_kind;
};
