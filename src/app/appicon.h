#pragma once

#include <QIcon>

// Ombrel's icon in every size it ships (16 to 256 pixels), from the program's resources.
QIcon applicationIcon();
