#pragma once
#include <QImage>

// The small pictures of the menu and the screens, drawn at double resolution.
namespace Icons {
QImage menuButton();                           // "home-menu": three bars
QImage menuLogo();                             // "menu-logo": ringed planet and the name
QImage feedback();                             // "menu-feedback": an envelope
QImage currentMarker();                        // "skin-current": a tick in a brand-coloured disc
QImage shareIcon(const QImage &sceneBackdrop); // "share-icon": the app icon
} // namespace Icons
