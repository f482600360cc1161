// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

#include <functional>
#include <map>
#include <tuple>

// Draws one picture of the library.
using PictureDrawer = std::function<QImage()>;
// The drawers of the library by picture number.
using PictureDrawers = std::map<int, PictureDrawer>;
// Draws the part of one picture inside a rectangle of it, pixel for pixel as the whole picture has it
// there (a null picture for an empty part).
using PictureAreaDrawer = std::function<QImage(const QRect&)>;
// The pictures whose parts can be drawn on their own, by picture number.
using PictureAreaDrawers = std::map<int, PictureAreaDrawer>;

// Every picture of the program by number. A picture is drawn the first time it is asked for and kept
// from then on, so start-up costs nothing; a number the library does not know gives a null picture,
// which draws nothing. Used on the user-interface thread only.
class PictureLibrary {
public:
    // A library of these drawers; the program's own is made of every family it registers
    // (app/ProgramPictures.h).
    explicit PictureLibrary(PictureDrawers drawers, PictureAreaDrawers areaDrawers = {});

    // Picture number, or a null picture when there is none.
    QImage picture(int number) const;
    // The part of picture number inside area (cut to the picture), or a null picture. A picture that
    // can be drawn in parts is not drawn whole for it; the part of any other picture shares the
    // pixels of the whole picture, drawn once.
    QImage area(int number, const QRect& area) const;
    bool has(int number) const;
    // How many pictures have been drawn so far.
    int drawnCount() const { return static_cast<int>(cache_.size()); }

private:
    using AreaKey = std::tuple<int, int, int, int, int>;

    QImage drawnArea(int number, const QRect& area) const;

    PictureDrawers drawers_;
    PictureAreaDrawers areaDrawers_;
    mutable std::map<int, QImage> cache_;
    mutable std::map<AreaKey, QImage> areaCache_;
};
