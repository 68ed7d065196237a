// The program's icon at every size it ships, for the window's title bar and task bar.
#pragma once

#include <QIcon>

QIcon programIcon();
