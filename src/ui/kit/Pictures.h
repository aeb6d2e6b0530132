#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

namespace quendaro {

// The program's own pictures, drawn as vector art and compiled in, so that
// they stay sharp at any screen scale.
enum class Picture {
  kLogo,    // the open book with the title, on the start window
  kDie,     // main menu: the character generator
  kSword,   // main menu: the weapon generator
  kAmulet,  // main menu: the treasure generator
  kDoor,    // main menu: the way out
  kIcon,    // the book and sigil on a square tile: the program's icon
  kCount,
};

// The resource path of `picture`, for QSvgRenderer or QIcon.
QString PicturePath(Picture picture);

// `picture` drawn ahead of time, at the build, at `pixels` (see
// src/ui/kit/CMakeLists.txt), or a null image when it was not drawn at that
// size. The image uses the program's own data, copied by nothing.
QImage DrawnPicture(Picture picture, QSize pixels);

// The size the picture was drawn for, in device-independent pixels: its
// proportion and the smallest size at which it reads well.
QSize PictureSize(Picture picture);

// The square icon as the program's window icon, the same picture the
// desktop shows in its menus.
QIcon ProgramIcon();

}  // namespace quendaro
