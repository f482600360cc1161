// 128 background, 129 hover and 130 selected (with the bar strip) of the firmware update dialog.
#include "res/PictureFamilies.h"

void addFirmwarePictures(PictureDrawers& drawers) {
    (void)drawers;
}
