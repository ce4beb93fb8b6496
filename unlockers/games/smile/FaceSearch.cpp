#include "unlockers/games/smile/FaceSearch.h"

#include "unlockers/games/smile/GreyFrame.h"

FaceSearch::FaceSearch(const QString &cascadeFolder) : cascadeFolder_(cascadeFolder) { }

FrameFinding FaceSearch::search(const QVideoFrame &frame, const OrientationHint &hint)
{
    using Outcome = FrameFinding::Outcome;
    if (!detector_)
        detector_.emplace(cascadeFolder_);
    if (!detector_->isReady())
        return {Outcome::NoDetector, 0, detector_->problem()};

    const GreyFrame::Result grey = GreyFrame::fromVideoFrame(frame);
    if (grey.grey.empty())
        return {Outcome::Unreadable, 0, grey.problem};

    for (int turn : FrameTurn::turnsToTry(hint, lastFaceTurn_)) {
        const SmileDetector::Finding found = detector_->find(FrameTurn::turned(grey.grey, turn));
        if (found.faces == 0)
            continue;
        lastFaceTurn_ = turn;
        return {found.smilingFaces > 0 ? Outcome::Smile : Outcome::Face, turn, {}};
    }
    return {Outcome::NoFace, 0, {}};
}
