#pragma once
// The addresses of the vendor's web pages the panes and links show, and the
// order in which the banners rotate through them. Every address is the base
// address of the vendor's site (a setting, empty by default) followed by a
// path; the local pages "About:Off-Line" and "About:Blank" are the program's own.
#include <QString>
#include <QStringList>

namespace WebAddresses {

inline const QString kOffLinePage = QStringLiteral("About:Off-Line");
inline const QString kBlankPage = QStringLiteral("About:Blank");

// The start-up advertisement pages 1 to 4.
QStringList SplashPaths();
// The banner of the table and the board, and the dictionary's side banner.
QStringList BannerPaths();
QStringList SideBannerPaths();
inline const QString kLookupPath = QStringLiteral("/dictionary.asp?search=");
inline const QString kBoardLobbyPath = QStringLiteral("/BoardLobby.asp");

// True for "About:Off-Line", "About:Blank" and any other "about:" address.
bool IsLocalPage(const QString& address);

// base + path; base is the vendor's address setting unless given.
QString Address(const QString& path);
QString AddressOn(const QString& base, const QString& path);
// The lookup address: the word appended as it is, not encoded.
QString LookupAddress(const QString& base, const QString& word);

enum class Banner { Lead, Side };
// The address a banner moves to from the page it shows: the first page leads
// to the second, the second to the third, the third to the fourth, the fourth
// or any other address to the first (compared without regard to case). The
// lead banner's second page is asked for as "/ads/adLeadfast.htm".
QString NextBannerAddress(Banner banner, const QString& base, const QString& currentAddress);

// The title a browser gives a page it could not reach.
inline const QString kCannotFindServer = QStringLiteral("cannot find server");

} // namespace WebAddresses
