#pragma once

#include <QImage>

#include <functional>
#include <map>

// Draws one picture of the library.
using PictureDrawer = std::function<QImage()>;
// The drawers of the library by picture number.
using PictureDrawers = std::map<int, PictureDrawer>;

// Every picture of the program by number. A picture is drawn the first time it is asked for and kept
// from then on, so start-up costs nothing; a number the library does not know gives a null picture,
// which draws nothing. Used on the user-interface thread only.
class PictureLibrary {
public:
    // The library with every picture family of the program.
    PictureLibrary();
    // A library with just these drawers; for tests.
    explicit PictureLibrary(PictureDrawers drawers);

    // Picture number, or a null picture when there is none.
    QImage picture(int number) const;
    bool has(int number) const;
    // How many pictures have been drawn so far.
    int drawnCount() const { return static_cast<int>(cache_.size()); }

private:
    PictureDrawers drawers_;
    mutable std::map<int, QImage> cache_;
};
