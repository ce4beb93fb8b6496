#pragma once
#include "unlockers/games/smile/FaceSearch.h"

// The rule of the game: the second analysed frame that shows a smiling face
// wins, however much later it comes and whatever came between. A frame counts
// once however many smiling faces it holds, so one odd frame never wins alone.
class SmileCount
{
public:
    static constexpr int kSmilesToWin = 2;

    enum class Stage { LookingForFace, FaceSeen, Smiling, Won };

    // Counts one analysed frame; true when this frame won the game.
    bool record(FrameFinding::Outcome outcome);

    Stage stage() const;
    int smiles() const { return smiles_; }
    bool hasWon() const { return smiles_ >= kSmilesToWin; }
    bool faceInLastFrame() const { return faceInLastFrame_; }

private:
    int smiles_ = 0;
    bool faceInLastFrame_ = false;
};
