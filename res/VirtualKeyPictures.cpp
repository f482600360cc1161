// 158 background, 159 hover and 157 selected of the virtual key input dialog.
#include "res/PictureFamilies.h"

void addVirtualKeyPictures(PictureDrawers& drawers) {
    (void)drawers;
}
