#pragma once

#include <QIcon>

// Pictures for the picture buttons: the desktop's icon theme where it has one, otherwise a
// simple drawing of our own, so a button never stands empty.
namespace ToolIcons {

enum class Kind
{
    Back,
    Forward,
    Stop,
    Refresh,
    Print,
    Go
};

QIcon icon(Kind kind);

} // namespace ToolIcons
