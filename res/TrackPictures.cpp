// 168 background, 169 hover and 167 selected (with the travel bar) of the key travel tracking dialog.
#include "res/PictureFamilies.h"

void addTrackPictures(PictureDrawers& drawers) {
    (void)drawers;
}
