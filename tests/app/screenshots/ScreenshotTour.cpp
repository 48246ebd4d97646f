// sloopform-screenshots OUTDIR [README_DIR]: a picture of every window and
// dialog, the time the program takes to start, and the README's pictures.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <cstdio>
#include <map>

#include "ReadmePictures.h"
#include "Shots.h"
#include "StartedProgram.h"
#include "frame/Application.h"

namespace shots {
namespace {

std::map<QString, ShotsFunction>& Registry()
{
    static std::map<QString, ShotsFunction> registry;
    return registry;
}

// Notes the first paint of any widget of the frame.
class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            auto* widget = qobject_cast<QWidget*>(watched);
            painted = widget && qobject_cast<MainWindow*>(widget->window());
        }
        return false;
    }
};

constexpr QSize kFrameSize(1280, 860);

}  // namespace

bool Register(const char* name, ShotsFunction shots)
{
    Registry()[QString::fromLatin1(name)] = shots;
    return true;
}

void TakeAll(Tour& tour)
{
    for (const auto& [name, shots] : Registry()) {
        std::printf("%s\n", qPrintable(name));
        shots(tour);
    }
}

Tour::Tour(QString outputFolder) : folder_(std::move(outputFolder)) {}

Tour::~Tour() = default;

MainWindow& Tour::frame()
{
    if (!program_) {
        FirstPaint watch;
        QCoreApplication::instance()->installEventFilter(&watch);
        QElapsedTimer clock;
        clock.start();
        program_ = std::make_unique<StartedProgram>();
        while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        startUp_ = clock.elapsed();
        QCoreApplication::instance()->removeEventFilter(&watch);

        MainWindow& started = program_->frame();
        started.showNormal();
        started.setGeometry(QRect(QPoint(0, 0), kFrameSize));
        QCoreApplication::processEvents();
        started.workingArrangement();
    }
    return program_->frame();
}

ScriptedQtUi& Tour::ui()
{
    frame();
    return program_->ui();
}

qint64 Tour::startUpMilliseconds()
{
    frame();
    return startUp_;
}

void Tour::save(QWidget& widget, const QString& name)
{
    QTest::qWait(50);
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures_;
    }
}

}  // namespace shots

int main(int argc, char** argv)
{
    Application application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: sloopform-screenshots OUTDIR [README_DIR]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 2;
    }
    shots::Tour tour(folder);
    std::printf("Start-up to the first painted frame, without the splash's pauses: %lld ms\n",
                static_cast<long long>(tour.startUpMilliseconds()));
    shots::TakeAll(tour);
    int failures = tour.failures();
    if (argc == 3) failures += shots::WriteReadmePictures(folder, QString::fromLocal8Bit(argv[2]));
    return failures == 0 ? 0 : 1;
}
