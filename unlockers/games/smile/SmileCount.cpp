#include "unlockers/games/smile/SmileCount.h"

bool SmileCount::record(FrameFinding::Outcome outcome)
{
    if (hasWon())
        return false;
    using Outcome = FrameFinding::Outcome;
    faceInLastFrame_ = outcome == Outcome::Face || outcome == Outcome::Smile;
    if (outcome != Outcome::Smile)
        return false;
    ++smiles_;
    return hasWon();
}

SmileCount::Stage SmileCount::stage() const
{
    if (hasWon())
        return Stage::Won;
    if (smiles_ > 0)
        return Stage::Smiling;
    return faceInLastFrame_ ? Stage::FaceSeen : Stage::LookingForFace;
}
