#pragma once
// The desktop icons of the two games, written as a hicolor icon theme tree:
//   FOLDER/hicolor/<N>x<N>/apps/<name>.png for each size of kIconSizes and
//   FOLDER/hicolor/scalable/apps/<name>.svg,
// each drawn once in a 256 by 256 design and painted at every size.
#include <QString>

#include <array>

inline constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
// The icon names, as the desktop entries name them.
inline constexpr char kSolitaireIconName[] = "org.mordaventa.Vantorell";
inline constexpr char kBoardGameIconName[] = "org.mordaventa.BoardGame";

// Writes both icons at every size; false (and a line on standard error) when
// a file could not be written.
bool WriteAppIcons(const QString& folder, const QString& fontFamily);
