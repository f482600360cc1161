// 165 background, 166 hover (with the travel bar) and 164 selected of the trigger fine-adjust dialog.
#include "res/PictureFamilies.h"

void addFineAdjustPictures(PictureDrawers& drawers) {
    (void)drawers;
}
