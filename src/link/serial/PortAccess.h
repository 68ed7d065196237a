// A port the user may not open, told so that the user can act on it: the group whose
// membership gives access, and a new login for the membership to count.
#pragma once

#include <QString>

// The group owning the device file at path when its members may read and write it; empty
// when there is none (no such file, the root group, or a group without that right).
QString deviceAccessGroup(const QString& path);

// The message for an open of path that failed with errno error: one sentence naming the
// fix when access was denied (group as from deviceAccessGroup), empty for any other error.
QString openDeniedText(const QString& path, int error, const QString& group);
