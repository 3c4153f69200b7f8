#pragma once

#include <QPixmap>
#include <QSize>

namespace corvane {

/// The program's picture, drawn rather than loaded: a radar scope with a runway, an approach
/// track and two aircraft blips. The splash shows it; the window icon is the same drawing.
class SplashPicture {
public:
    static QPixmap draw(QSize size);
};

}  // namespace corvane
