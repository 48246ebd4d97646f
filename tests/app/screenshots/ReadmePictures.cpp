#include "ReadmePictures.h"

#include <QDir>
#include <QImage>
#include <cstdio>

namespace shots {

namespace {

// Wide enough to read the labels on GitHub's page, small enough that the
// pictures together stay at a few hundred kilobytes.
constexpr int kWidth = 720;

struct ReadmePicture {
    const char* tourName;
    const char* readmeName;
    int cropHeight;  // of the tour picture, from its top; 0 keeps it whole
};

// The lines plan, the 3D view, the report's first page, the resistance curve
// and the stability window.
constexpr ReadmePicture kPictures[] = {
    {"lines-plan-waterlines-buttocks", "lines-plan", 0},
    {"3d-viewer-isometric", "3d-view", 0},
    {"report", "report", 600},
    {"resistance-curve-optimum", "resistance-curve", 0},
    {"stability", "stability", 0},
};

}  // namespace

int WriteReadmePictures(const QString& tourFolder, const QString& readmeFolder)
{
    int failures = 0;
    QDir().mkpath(readmeFolder);
    for (const ReadmePicture& picture : kPictures) {
        QImage image(QDir(tourFolder).filePath(QString::fromLatin1(picture.tourName) + ".png"));
        if (picture.cropHeight > 0) image = image.copy(0, 0, image.width(), picture.cropHeight);
        const QString path = QDir(readmeFolder).filePath(QString::fromLatin1(picture.readmeName) + ".png");
        const QImage small = image.scaledToWidth(kWidth, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
        if (image.isNull() || !small.save(path, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures;
}

}  // namespace shots
