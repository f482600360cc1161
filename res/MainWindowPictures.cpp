// 101..103, 145..150 and 154..156: the main window's background, hover and pressed pictures of each keyboard variant.
#include "res/PictureFamilies.h"

void addMainWindowPictures(PictureDrawers& drawers) {
    (void)drawers;
}
