#include "res/PictureLibrary.h"

#include "res/PictureFamilies.h"

namespace {
PictureDrawers everyFamily() {
    PictureDrawers drawers;
    addProgressPictures(drawers);
    addScrollBarPictures(drawers);
    addMainWindowPictures(drawers);
    addVirtualKeyPictures(drawers);
    addKeyAssignmentPictures(drawers);
    addFirmwarePictures(drawers);
    addBacklightPictures(drawers);
    addMultiKeyColourPictures(drawers);
    addRapidTriggerPictures(drawers);
    addFineAdjustPictures(drawers);
    addTrackPictures(drawers);
    return drawers;
}
} // namespace

PictureLibrary::PictureLibrary() : PictureLibrary(everyFamily()) {}

PictureLibrary::PictureLibrary(PictureDrawers drawers) : drawers_(std::move(drawers)) {}

QImage PictureLibrary::picture(int number) const {
    if (const auto cached = cache_.find(number); cached != cache_.end())
        return cached->second;
    const auto drawer = drawers_.find(number);
    if (drawer == drawers_.end())
        return {};
    QImage drawn = drawer->second().convertToFormat(QImage::Format_RGB32);
    cache_.emplace(number, drawn);
    return drawn;
}

bool PictureLibrary::has(int number) const {
    return drawers_.contains(number);
}
