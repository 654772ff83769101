#pragma once
// The canvases and files every drawing of the generator shares. Each picture
// is drawn twice, at scale 1 and at scale 2 (Qt's "@2x" file beside the
// plain one), in the same logical coordinates; and written so that the same
// drawing gives the same bytes on every machine.
#include <QDir>
#include <QImage>
#include <QString>

#include <array>

inline constexpr std::array<int, 2> kPictureScales = {1, 2};

// A transparent canvas of w by h logical pixels holding scale times as many
// pixels each way; a painter on it draws in the logical coordinates.
QImage Canvas(int w, int h, int scale);

// The picture with straight (not premultiplied) colours, each channel rounded
// to the nearest value. Qt's own conversion picks a routine by the processor
// and rounds the halves of faint edge pixels either way, so the pictures came
// out a little different from one machine to the next.
QImage Unpremultiplied(const QImage& image);

// Writes `image` as dir/<name>.png, or dir/<name>@2x.png when it is drawn at
// scale 2; false and a line on standard error when the file cannot be written.
bool SavePicture(const QImage& image, const QDir& dir, const QString& name);
