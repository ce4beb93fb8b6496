#include "unlockers/games/smile/FrameAnalyser.h"

#include <QThreadPool>
#include <QtConcurrent>

namespace {
// One worker for every analyser: detections never compete with each other
// for the two cores the UI also needs.
QThreadPool &analysisPool()
{
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(1);
        p->setObjectName(QStringLiteral("smile analysis"));
        return p;
    }();
    return *pool;
}
} // namespace

FrameAnalyser::FrameAnalyser(const QString &cascadeFolder, QObject *parent)
    : QObject(parent),
      search_(std::make_shared<FaceSearch>(cascadeFolder))
{
    qRegisterMetaType<FrameFinding>();
    connect(&watcher_, &QFutureWatcher<FrameFinding>::finished, this, &FrameAnalyser::finished);
}

FrameAnalyser::~FrameAnalyser()
{
    // The job keeps its own share of the search; nothing here waits for it.
    watcher_.disconnect(this);
}

bool FrameAnalyser::offer(const QVideoFrame &frame, const OrientationHint &hint)
{
    if (busy_ || (lastStart_.isValid() && lastStart_.elapsed() < kIntervalMs)) {
        ++droppedCount_;
        return false;
    }
    busy_ = true;
    lastStart_.start();
    std::shared_ptr<FaceSearch> search = search_;
    watcher_.setFuture(
        QtConcurrent::run(&analysisPool(), [search, frame, hint] { return search->search(frame, hint); }));
    return true;
}

void FrameAnalyser::finished()
{
    busy_ = false;
    ++analysedCount_;
    Q_EMIT analysed(watcher_.result());
}
