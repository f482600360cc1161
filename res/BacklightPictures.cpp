// 131 background, 132 hover and 133 selected of the backlight settings dialog.
#include "res/PictureFamilies.h"

void addBacklightPictures(PictureDrawers& drawers) {
    (void)drawers;
}
