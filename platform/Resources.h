#pragma once
// The application's resources by type and id, kept in the Qt resource file under
// ":/resources/<type>/<id>": texts of type "TEXT" (UTF-8, read with CR line ends) and pictures of
// type "PICT" (PNG).
#include "platform/Controls.h"

#include <QString>
#include <optional>

// The text, or nothing when the resources hold none of that type and id.
std::optional<QString> GetResource(const QString& type, int id);
// The picture, or nullptr when the resources hold none with that id.
PicturePtr GetPicture(int id);

// How many times the resources were read; the caches of the program's accessors keep it low.
int resourceReads();
