#pragma once
#include "unlockers/games/smile/FrameTurn.h"
#include "unlockers/games/smile/SmileDetector.h"

#include <QMetaType>
#include <QString>
#include <QVideoFrame>

#include <optional>

// What one analysed frame showed.
struct FrameFinding
{
    enum class Outcome { Unreadable, NoDetector, NoFace, Face, Smile };
    Outcome outcome = Outcome::Unreadable;
    int turn = 0;    // clockwise degrees that showed the face upright
    QString problem; // why a frame was unreadable or the detector is missing
};
Q_DECLARE_METATYPE(FrameFinding)

// The work done on one frame off the UI thread: grey and small, then turned
// upright and searched for a smiling face. Keeps the turn that last showed a
// face, so a phone held the same way is searched once per frame. The
// detector's cascades are loaded on the first search, on the worker.
class FaceSearch
{
public:
    explicit FaceSearch(const QString &cascadeFolder = SmileDetector::kDefaultCascadeFolder);

    FrameFinding search(const QVideoFrame &frame, const OrientationHint &hint);

private:
    QString cascadeFolder_;
    std::optional<SmileDetector> detector_;
    std::optional<int> lastFaceTurn_;
};
