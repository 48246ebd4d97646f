#pragma once
#include <QString>

namespace shots {

// Writes the README's pictures into `readmeFolder` from the tour's pictures
// in `tourFolder`: a few windows, cropped and scaled down to small palette
// PNGs. The number of pictures that could not be read or written.
int WriteReadmePictures(const QString& tourFolder, const QString& readmeFolder);

}  // namespace shots
