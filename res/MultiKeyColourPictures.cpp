// 142 background, 143 hover and marked keys, 144 selected of the multi-key colour selection.
#include "res/PictureFamilies.h"

void addMultiKeyColourPictures(PictureDrawers& drawers) {
    (void)drawers;
}
