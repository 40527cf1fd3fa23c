#pragma once
// Folders: making a folder path when it is missing.

#include <QString>

namespace zelk {

// True when the folder exists afterwards. An existing folder leaves `path` unchanged; a folder
// that had to be made (with every missing level above it) gives `path` a trailing "/". "\" counts
// as "/". An empty path, a path with a drive letter, a path under a file or under a folder that
// cannot be written give false, show nothing and leave `path` and the disk as they were: levels
// made before a later level failed are taken away again.
bool EnsureFolder(QString& path);

// Points the per-user runtime, settings and data folders (XDG) at folders under `root`, so that a
// headless run (tests, screenshots) never touches the user's own. Call before QApplication.
void UsePrivateUserFolders(const QString& root);

}  // namespace zelk
