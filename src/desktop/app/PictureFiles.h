// The picture files of the main window, read once from the working directory at start-up.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <array>

#include "engine/model/Catalogue.h"

namespace kalvora::app {

struct PictureFiles {
    // Body pictures Image3dr, Image4dr, Image5dr, Image5dru, by BodyType.
    std::array<QImage, kBodyCount> bodies;
    // Colour swatches I1 ... I10; swatches[0] is I1.
    std::array<QImage, 10> swatches;
    // Body-and-shade background pictures by BodyType and shade (Light, Dark, Red, Blue, as
    // kShadePictures orders them).
    std::array<std::array<QImage, 4>, kBodyCount> shades;

    int LoadedCount() const;
};

// Index of a shade into PictureFiles::shades and kShadePictures; -1 for Shade::None.
int ShadeIndex(Shade shade);

// Reads the 30 picture files from `folder`, in the order the program has always read them.
// A missing or damaged file leaves its picture null silently; a pipe, folder or device in its
// place is skipped with one line on standard error.
PictureFiles LoadPictureFiles(const QString& folder);

// A body picture is drawn transparently: the colour of its bottom-left pixel shows the panel
// through. Returns the picture with that colour made transparent.
QImage WithTransparentBackground(const QImage& image);

// The built-in placeholder `NeN` (142 x 78): it asks the user to unpack the picture files into
// the program's folder and start the configurator again.
QPixmap PlaceholderPicture();

}  // namespace kalvora::app
