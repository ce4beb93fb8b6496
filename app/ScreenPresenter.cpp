#include "app/ScreenPresenter.h"

namespace {
ScreenPresenter *installed = nullptr;
}

ScreenPresenter *ScreenPresenter::shared() { return installed; }

void ScreenPresenter::setShared(ScreenPresenter *presenter) { installed = presenter; }
