#pragma once
// Sizes and colours of the start-up advertisement window, the about box and
// the dictionary window. The pane sizes are those of the vendor's pages:
// the start-up pages are 300 by 250, the side banner 160 wide.
#include <QColor>
#include <QSize>

namespace WebWindowsLook {

// The table's cream paper and the brown of its headings.
inline QColor Paper() {
    return QColor(0xf4, 0xea, 0xcb);
}
inline QColor Heading() {
    return QColor(0x7a, 0x3b, 0x00);
}
inline QColor Link() {
    return QColor(0x1a, 0x4f, 0xa0);
}

inline constexpr int kCaptionHeight = 26;
inline constexpr int kMargin = 10;

// frmSplash
inline constexpr QSize kSplashPane(300, 250);
inline constexpr int kSplashButtonHeight = 28;

// frmAbout: the window is its picture (ResId::AboutBox, 420 by 300).

// frmDictionary
inline constexpr QSize kDictionarySize(660, 520);
inline constexpr int kSideBannerWidth = 160;
inline constexpr int kSensesShown = 4;   // per part of speech
inline constexpr int kExamplesShown = 2; // per sense
inline constexpr int kWordPointSize = 15;
inline QColor ExampleColour() {
    return QColor(0x5a, 0x5a, 0x5a);
}

} // namespace WebWindowsLook
