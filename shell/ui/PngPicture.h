#pragma once
// Decodes a PNG held in memory with libpng, without Qt's image reader. The
// reader asks every image-format plug-in (SVG, JPEG, GIF, ICO) whether it
// reads the format before it uses its own PNG code, and so loads them all with
// the first picture; the pictures of the first frame are all PNG, so the
// plug-ins wait for the first JPEG of a board.
#include <QByteArrayView>
#include <QImage>

// The picture, with its alpha channel; a null image for bytes that are not a
// whole, readable PNG (a damaged resource is refused, never half shown).
QImage DecodePng(QByteArrayView bytes);
