#pragma once
// The embedded pictures, addressed by their numeric identifiers:
// 102-127 letter cards A-Z, 128 the star card, 129/131 upright card backs,
// 130/132 quarter-turned backs, 133-143 deck poses, 144-147 mouse pointers,
// 200 the about box. Each is drawn at 1x and at 2x (Qt's "@2x" file): on a
// screen of device pixel ratio above 1 the 2x drawing is used, as a pixmap of
// ratio 2 with the same logical size, so cards and pictures stay sharp.
#include <QCursor>
#include <QPixmap>
#include <QString>

// The picture of resource `id` ("Custom" is the only type the program uses),
// drawn for the application's screens. Decoded straight from the embedded
// bytes: no file is left behind. A null pixmap for an unknown id.
QPixmap LoadResPictureFile(int id, const QString& type = QStringLiteral("Custom"),
                           const QString& tempFile = QString());

// 2 when a screen of the application has a device pixel ratio above 1, else 1.
int AppPictureScale();
// The embedded picture `name` (an identifier such as "129", or a board
// picture such as "Start") drawn for `scale` 1 or 2; at 2 a pixmap of device
// pixel ratio 2 whose logical size is that of the 1x picture. Null when there
// is no such picture.
QPixmap EmbeddedPicture(const QString& name, int scale = AppPictureScale());

// Forgets the decoded pictures (the next load decodes again).
void ClearResPictureCache();

// The custom pointer of resource 144-147 (145 normal, 146 moving, 147 pressed).
QCursor ResCursor(int id);

namespace ResId {
inline constexpr int FirstLetter = 102; // 'A'; 'Z' is 127
inline constexpr int StarCard = 128;
inline constexpr int BackCard = 129;
inline constexpr int BackCard90 = 130;
inline constexpr int BackCard180 = 131;
inline constexpr int BackCard270 = 132;
inline constexpr int FirstDeck = 133; // 133-143
inline constexpr int LastDeck = 143;
inline constexpr int PointerNormal = 145;
inline constexpr int PointerMove = 146;
inline constexpr int PointerPressed = 147;
inline constexpr int AboutBox = 200; // the about box's picture and outline
} // namespace ResId
