#pragma once
// Sizes of the board editor (frmBoardEditor) and of what it stores.
#include <QColor>
#include <QSize>

namespace BoardEditorLook {

inline constexpr QSize kWindow(1040, 720);
inline constexpr int kCaptionHeight = 26;
inline constexpr int kTreeWidth = 330;
// Pictures are stored no larger than this on either side: the question and
// spelling windows show them in boxes up to 130 by 216 pixels, so this keeps
// them sharp at twice that, and small in the file.
inline constexpr int kPictureSide = 320;
inline constexpr int kJpegQuality = 85;
// The previews of pictures in the panes.
inline constexpr QSize kPreview(96, 72);
inline constexpr QSize kAnswerPreview(36, 24); // the height of a choice's row
// Characters of a question's text shown in the tree.
inline constexpr int kTreeTextLength = 60;

inline QColor Paper() {
    return QColor(0xf4, 0xea, 0xcb);
}

} // namespace BoardEditorLook
