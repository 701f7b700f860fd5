#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn in code: the program icon, the three toolbar buttons
// and the About picture.
QIcon ProgramIcon();
QIcon JobToolbarIcon();
QIcon InventoryToolbarIcon();
QIcon TypesOfBarsToolbarIcon();
QPixmap AboutPicture();
