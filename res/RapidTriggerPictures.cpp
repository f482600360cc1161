// 162 background, 163 highlight and 161 selected of the rapid-trigger settings dialog.
#include "res/PictureFamilies.h"

void addRapidTriggerPictures(PictureDrawers& drawers) {
    (void)drawers;
}
